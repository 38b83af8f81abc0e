// CDCM6100x_Config: pin-strapped set-up of a CDCM61001 or CDCM61004 (25 MHz crystal).
//
// The chip takes its settings from control pins: PR1:PR0 pick prescaler and feedback
// divider, OD2:OD0 the output divider, OS1:OS0 the output type, CE enables the chip, and
// a rising edge of RSTN (re)starts the PLL with the pins' settings. This module drives the
// pins for the code on desired_freq, holds CLK_RST_n low for RESET_CYCLES with the pins
// already stable, and releases it. recal_n low (reset) holds the chip disabled and in
// reset; a changed desired_freq restarts the chip with the new pins.
//
//     fVCO = 25 MHz * prescaler * feedback,   fout = fVCO / (prescaler * output divider)
//
//     PR1:PR0  prescaler  feedback  fVCO (MHz)      OD2:OD0  output divider
//     00       3          24        1800            000      1
//     01       5          15        1875            001      2
//     10       4          20        2000            010      3
//     11       3          25        1875            011      4
//                                                   100      6
//                                                   101      8
//
// Pin levels per code (CE = 1, OS1:OS0 = 01 LVDS outputs for every code):
//     code  fout (MHz)  PR1:PR0  OD2:OD0
//     0     62.5        10       101
//     1     75          00       101
//     2     100         00       100
//     3     125         10       011
//     4     150         00       011
//     5     156.25      11       011
//     6     187.5       01       001
//     7     200         00       010
//     8     250         10       001
//     9     312.5       11       001
//     10    625         11       000
//     11-15 150 (as code 4)
// While recal_n is low: CE = 0 and CLK_RST_n = 0 (the other pins at the code 4 levels).

module CDCM6100x_Config #(
    parameter RESET_CYCLES = 50000  // CLK_RST_n low time: 1 ms at 50 MHz, 1 to 2^20
) (
    input  wire       clk_50m,
    input  wire       recal_n,       // active-low reset; its release starts the chip
    input  wire [3:0] desired_freq,
    output reg        CLK_CE,
    output reg  [2:0] CLK_OD,
    output reg  [1:0] CLK_OS,
    output reg  [1:0] CLK_PR,
    output reg        CLK_RST_n
);

    localparam [19:0] RESET_LAST = RESET_CYCLES - 1;

    localparam [1:0] OS_LVDS = 2'b01;

    reg [3:0]  code;        // the code the pins show
    reg [19:0] hold;
    reg [1:0]  pr;
    reg [2:0]  od;

    always @(*) begin
        case (code)
            4'd0:    begin pr = 2'b10; od = 3'b101; end  // 62.5 MHz
            4'd1:    begin pr = 2'b00; od = 3'b101; end  // 75 MHz
            4'd2:    begin pr = 2'b00; od = 3'b100; end  // 100 MHz
            4'd3:    begin pr = 2'b10; od = 3'b011; end  // 125 MHz
            4'd5:    begin pr = 2'b11; od = 3'b011; end  // 156.25 MHz
            4'd6:    begin pr = 2'b01; od = 3'b001; end  // 187.5 MHz
            4'd7:    begin pr = 2'b00; od = 3'b010; end  // 200 MHz
            4'd8:    begin pr = 2'b10; od = 3'b001; end  // 250 MHz
            4'd9:    begin pr = 2'b11; od = 3'b001; end  // 312.5 MHz
            4'd10:   begin pr = 2'b11; od = 3'b000; end  // 625 MHz
            default: begin pr = 2'b00; od = 3'b011; end  // 150 MHz
        endcase
    end

    always @(posedge clk_50m or negedge recal_n) begin
        if (!recal_n) begin
            code      <= 4'd4;
            hold      <= 20'd0;
            CLK_CE    <= 1'b0;
            CLK_OD    <= 3'b011;
            CLK_OS    <= OS_LVDS;
            CLK_PR    <= 2'b00;
            CLK_RST_n <= 1'b0;
        end else begin
            CLK_CE <= 1'b1;
            CLK_OS <= OS_LVDS;
            CLK_PR <= pr;
            CLK_OD <= od;
            if (desired_freq != code) begin
                // new settings: hold the chip in reset while the pins change
                code      <= desired_freq;
                hold      <= 20'd0;
                CLK_RST_n <= 1'b0;
            end else if (!CLK_RST_n) begin
                if (hold == RESET_LAST)
                    CLK_RST_n <= 1'b1;
                else
                    hold <= hold + 20'd1;
            end
        end
    end

endmodule
