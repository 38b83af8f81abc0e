// si5340b_freq_prameter_selector: the numerators of the N0, N1 and N2 dividers of the
// Si5340B for the selector code of the Dravelle board.
//
// N0 drives the DDR4 memory reference clock, N1 the QDRII+ reference clock and N2
// the PCIe reference clock, which is always 100 MHz.
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
//   100                70                27720
//   150                46 + 2/3          18480
//   200                35                13860
//   225                31 + 1/9          12320
//   233.333 (700/3)    30                11880
//   250                28                11088
//   266.667 (800/3)    26.25             10395
//   275                25 + 5/11         10080
//   300                23 + 1/3          9240
//
//   code  memory (N0)  QDRII+ (N1)  PCIe (N2)
//   0     300          275          100
//   1     266.667      275          100
//   2     233.333      275          100
//   3     200          275          100
//   4     150          275          100
//   5     300          250          100
//   6     266.667      250          100
//   7     233.333      250          100
//   8     200          250          100
//   9     150          250          100
//   10    300          225          100
//   11    266.667      225          100
//   12    233.333      225          100
//   13    200          225          100
//   14    150          225          100
//   15    300          233.333      100
//   16    266.667      233.333      100
//   17    233.333      233.333      100
//   18    200          233.333      100
//   19    150          233.333      100
//
// A code outside the table acts as code 0.

module si5340b_freq_prameter_selector (
    input  wire [4:0]  iPLL_OUT_FREQ_SEL,
    output reg  [43:0] N0_NUM,
    output reg  [43:0] N1_NUM,
    output reg  [43:0] N2_NUM
);

    localparam [43:0] F100 = 44'd27720;
    localparam [43:0] F150 = 44'd18480;
    localparam [43:0] F200 = 44'd13860;
    localparam [43:0] F225 = 44'd12320;
    localparam [43:0] F233 = 44'd11880;  // 700/3 MHz
    localparam [43:0] F250 = 44'd11088;
    localparam [43:0] F266 = 44'd10395;  // 800/3 MHz
    localparam [43:0] F275 = 44'd10080;
    localparam [43:0] F300 = 44'd9240;

    always @(*) begin
        N2_NUM = F100;
        case (iPLL_OUT_FREQ_SEL)
            5'd1:  begin N0_NUM = F266; N1_NUM = F275; end
            5'd2:  begin N0_NUM = F233; N1_NUM = F275; end
            5'd3:  begin N0_NUM = F200; N1_NUM = F275; end
            5'd4:  begin N0_NUM = F150; N1_NUM = F275; end
            5'd5:  begin N0_NUM = F300; N1_NUM = F250; end
            5'd6:  begin N0_NUM = F266; N1_NUM = F250; end
            5'd7:  begin N0_NUM = F233; N1_NUM = F250; end
            5'd8:  begin N0_NUM = F200; N1_NUM = F250; end
            5'd9:  begin N0_NUM = F150; N1_NUM = F250; end
            5'd10: begin N0_NUM = F300; N1_NUM = F225; end
            5'd11: begin N0_NUM = F266; N1_NUM = F225; end
            5'd12: begin N0_NUM = F233; N1_NUM = F225; end
            5'd13: begin N0_NUM = F200; N1_NUM = F225; end
            5'd14: begin N0_NUM = F150; N1_NUM = F225; end
            5'd15: begin N0_NUM = F300; N1_NUM = F233; end
            5'd16: begin N0_NUM = F266; N1_NUM = F233; end
            5'd17: begin N0_NUM = F233; N1_NUM = F233; end
            5'd18: begin N0_NUM = F200; N1_NUM = F233; end
            5'd19: begin N0_NUM = F150; N1_NUM = F233; end
            default: begin N0_NUM = F300; N1_NUM = F275; end
        endcase
    end

endmodule
