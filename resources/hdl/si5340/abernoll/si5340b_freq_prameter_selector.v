// si5340b_freq_prameter_selector: the numerators of the N0, N1 and N2 dividers of the
// Si5340B for the selector code of the Abernoll board.
//
// All three dividers drive QDRII+ reference clocks and get the same frequency.
//
// Output frequency of the Si5340: fout = fVCO / (Nx * Rx), where Nx = Nx_NUM / Nx_DEN is
// the fractional N divider (44-bit numerator, 32-bit denominator) and Rx the output's R
// divider. The controller leaves the PLL and the outputs as the chip's start-up
// configuration sets them; the values are computed for a VCO at 14000 MHz and Rx = 2.
// So Nx = 7000 MHz / fout, and with the denominator 396 that si5340b_i2c_reg_controller
// writes for all three dividers, Nx_NUM = 396 * 7000 MHz / fout, exact for every
// frequency used:
//
//   fout (MHz)         Nx                Nx_NUM
//   225                31 + 1/9          12320
//   250                28                11088
//   275                25 + 5/11         10080
//
//   code  N0, N1, N2
//   0     275
//   1     250
//   2     225
//
// A code outside the table acts as code 0.

module si5340b_freq_prameter_selector (
    input  wire [3:0]  iPLL_OUT_FREQ_SEL,
    output reg  [43:0] N0_NUM,
    output reg  [43:0] N1_NUM,
    output reg  [43:0] N2_NUM
);

    localparam [43:0] F225 = 44'd12320;
    localparam [43:0] F250 = 44'd11088;
    localparam [43:0] F275 = 44'd10080;

    always @(*) begin
        case (iPLL_OUT_FREQ_SEL)
            4'd1:    begin N0_NUM = F250; N1_NUM = F250; N2_NUM = F250; end
            4'd2:    begin N0_NUM = F225; N1_NUM = F225; N2_NUM = F225; end
            default: begin N0_NUM = F275; N1_NUM = F275; N2_NUM = F275; end
        endcase
    end

endmodule
