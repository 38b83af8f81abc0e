// si5340a_freq_prameter_selector: the output-divider setting of one Si5340A output for
// its 3-bit frequency code.
//
// Output frequency of the Si5340: fout = fVCO / (Nx * Rx), where Nx = Nx_NUM / Nx_DEN is
// the fractional N divider of the output (44-bit numerator, 32-bit denominator) and Rx
// its output divider. The controller leaves the PLL as the chip's start-up configuration
// sets it and changes only the N dividers and the outputs; the values below are computed
// for that configuration's VCO at 14179.6875 MHz (22 * 644.53125 MHz) and for Rx = 2,
// which the controller forces. So Nx = 7089.84375 MHz / fout, written as the reduced
// fraction NX_NUM / NX_DEN (exact for every code):
//
//   code  fout (MHz)    Nx            NX_NUM  NX_DEN  OUTX_OE
//   0     off           as code 7     9075    128     0
//   1     644.53125     11            11      1       1
//   2     322.265625    22            22      1       1
//   3     312.5         22.6875       363     16      1
//   4     250           28.359375     1815    64      1
//   5     156.25        45.375        363     8       1
//   6     125           56.71875      1815    32      1
//   7     100           70.8984375    9075    128     1
//
// Code 0 keeps a valid divider so that the output can be switched on again later.

module si5340a_freq_prameter_selector (
    input  wire [2:0]  iPLL_OUT_FREQ_SEL,
    output reg         OUTX_OE,
    output reg  [43:0] NX_NUM,
    output reg  [31:0] NX_DEN
);

    always @(*) begin
        OUTX_OE = 1'b1;
        case (iPLL_OUT_FREQ_SEL)
            3'd1: begin NX_NUM = 44'd11;   NX_DEN = 32'd1;   end  // 644.53125 MHz
            3'd2: begin NX_NUM = 44'd22;   NX_DEN = 32'd1;   end  // 322.265625 MHz
            3'd3: begin NX_NUM = 44'd363;  NX_DEN = 32'd16;  end  // 312.5 MHz
            3'd4: begin NX_NUM = 44'd1815; NX_DEN = 32'd64;  end  // 250 MHz
            3'd5: begin NX_NUM = 44'd363;  NX_DEN = 32'd8;   end  // 156.25 MHz
            3'd6: begin NX_NUM = 44'd1815; NX_DEN = 32'd32;  end  // 125 MHz
            3'd7: begin NX_NUM = 44'd9075; NX_DEN = 32'd128; end  // 100 MHz
            default: begin                                        // powered down
                OUTX_OE = 1'b0;
                NX_NUM  = 44'd9075;
                NX_DEN  = 32'd128;
            end
        endcase
    end

endmodule
