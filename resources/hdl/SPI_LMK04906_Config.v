// SPI_LMK04906_Config
//
// Programs the LMK04906 clock conditioner over its MICROWIRE interface once after reset,
// then raises SPI_DONE.
//
// MICROWIRE: each word is 32 bits, most significant bit first; the chip takes
// LMK04906_DATAIN on the rising edge of LMK04906_CLK and loads the word into the register
// named by its five lowest bits when LMK04906_LE pulses high after the 32nd bit.
//
// Frequency plan, for a 100 MHz oscillator at OSCin. PLL2: reference divider
// PLL2_R 32 (3.125 MHz at the phase detector), prescaler PLL2_P 3 and divider PLL2_N 275,
// so the VCO runs at 3.125 MHz * 3 * 275 = 2578.125 MHz (LMK04906 range 2370 to 2600 MHz).
// Each FMC clock takes one output with a divider of its own: 8 gives 322.265625 MHz, 4
// gives 644.53125 MHz, chosen by its bit in iFREQ_SELECT:
//
//   output    clock           iFREQ_SELECT bit
//   CLKout0   FMCA_REFCLK_1   3
//   CLKout1   FMCB_REFCLK_0   1
//   CLKout2   FMCC_REFCLK_0   0
//   CLKout3   FMCD_REFCLK_1   2
//   CLKout4, CLKout5: not used, powered down
//
// Words written, in order (register in bits 4:0). The field positions below are this
// configurator's reading of the chip's register description and have not been checked on a
// board: compare them with the data sheet of the part fitted.
//   R0 with RESET (bit 17): every register back to its default first
//   R0 to R5   CLKout0 to CLKout5: [31] powered down, [15:5] divider
//   R6         output formats of CLKout0, 1, 2 in [27:24], [23:20], [19:16] (1 LVDS, 0 off)
//   R7         output formats of CLKout3, 4, 5, the same fields
//   R11        [31:27] mode 0: dual loop, internal VCO
//   R28        [31:20] PLL2_R
//   R29        [26:24] OSCin range 1 (63 to 127 MHz), [22:5] PLL2_N for the calibration
//   R30        [26:24] PLL2_P, [22:5] PLL2_N; written last, it starts the VCO calibration

module SPI_LMK04906_Config (
    input            clk50,
    input            rst_n,
    input      [3:0] iFREQ_SELECT,
    output reg       LMK04906_CLK,
    output reg       LMK04906_DATAIN,
    output reg       LMK04906_LE,
    output reg       SPI_DONE
);

    parameter HALF_PERIOD     = 25;       // clk50 cycles per half MICROWIRE clock (1 MHz)
    parameter POWER_UP_CYCLES = 500_000;  // 10 ms for the chip to start

    localparam WORD_COUNT = 13;

    localparam [17:0] PLL2_N = 18'd275;
    localparam [2:0]  PLL2_P = 3'd3;
    localparam [11:0] PLL2_R = 12'd32;

    localparam [2:0] S_POWER_UP = 3'd0;
    localparam [2:0] S_LOAD     = 3'd1;
    localparam [2:0] S_CLK_LOW  = 3'd2;
    localparam [2:0] S_CLK_HIGH = 3'd3;
    localparam [2:0] S_LE_HIGH  = 3'd4;
    localparam [2:0] S_LE_LOW   = 3'd5;
    localparam [2:0] S_DONE     = 3'd6;

    reg [2:0]  state;
    reg [31:0] wait_count;
    reg [3:0]  index;
    reg [5:0]  bit_count;
    reg [31:0] shift;
    reg [3:0]  select;

    // R0 to R5: one output each; on = divider 4 (644.53125 MHz) or 8 (322.265625 MHz)
    function [31:0] output_word;
        input [4:0] register;
        input       used;
        input       fast;
        begin
            if (!used) output_word = {1'b1, 15'd0, 11'd8, register};
            else       output_word = {1'b0, 15'd0, fast ? 11'd4 : 11'd8, register};
        end
    endfunction

    function [31:0] word;
        input [3:0] n;
        input [3:0] sel;
        begin
            case (n)
                4'd0:    word = {14'd0, 1'b1, 12'd0, 5'd0};                   // R0, RESET
                4'd1:    word = output_word(5'd0, 1'b1, sel[3]);             // FMCA
                4'd2:    word = output_word(5'd1, 1'b1, sel[1]);             // FMCB
                4'd3:    word = output_word(5'd2, 1'b1, sel[0]);             // FMCC
                4'd4:    word = output_word(5'd3, 1'b1, sel[2]);             // FMCD
                4'd5:    word = output_word(5'd4, 1'b0, 1'b0);
                4'd6:    word = output_word(5'd5, 1'b0, 1'b0);
                4'd7:    word = {4'd0, 4'd1, 4'd1, 4'd1, 11'd0, 5'd6};         // LVDS, LVDS, LVDS
                4'd8:    word = {4'd0, 4'd1, 4'd0, 4'd0, 11'd0, 5'd7};         // LVDS, off, off
                4'd9:    word = {5'd0, 22'd0, 5'd11};
                4'd10:   word = {PLL2_R, 15'd0, 5'd28};
                4'd11:   word = {5'd0, 3'd1, 1'b0, PLL2_N, 5'd29};
                default: word = {5'd0, PLL2_P, 1'b0, PLL2_N, 5'd30};
            endcase
        end
    endfunction

    wire half_done = (wait_count == HALF_PERIOD - 1);

    always @(posedge clk50 or negedge rst_n) begin
        if (!rst_n) begin
            state           <= S_POWER_UP;
            wait_count      <= 32'd0;
            index           <= 4'd0;
            bit_count       <= 6'd0;
            shift           <= 32'd0;
            select          <= 4'd0;
            LMK04906_CLK    <= 1'b0;
            LMK04906_DATAIN <= 1'b0;
            LMK04906_LE     <= 1'b0;
            SPI_DONE        <= 1'b0;
        end else begin
            case (state)
                S_POWER_UP:
                    if (wait_count < POWER_UP_CYCLES) begin
                        wait_count <= wait_count + 32'd1;
                    end else begin
                        wait_count <= 32'd0;
                        select     <= iFREQ_SELECT;
                        state      <= S_LOAD;
                    end
                S_LOAD: begin
                    shift     <= word(index, select);
                    bit_count <= 6'd0;
                    state     <= S_CLK_LOW;
                end
                S_CLK_LOW: begin
                    LMK04906_CLK    <= 1'b0;
                    LMK04906_DATAIN <= shift[31];
                    if (half_done) begin
                        wait_count <= 32'd0;
                        state      <= S_CLK_HIGH;
                    end else begin
                        wait_count <= wait_count + 32'd1;
                    end
                end
                S_CLK_HIGH: begin
                    LMK04906_CLK <= 1'b1;
                    if (half_done) begin
                        wait_count <= 32'd0;
                        shift      <= {shift[30:0], 1'b0};
                        bit_count  <= bit_count + 6'd1;
                        state      <= (bit_count == 6'd31) ? S_LE_HIGH : S_CLK_LOW;
                    end else begin
                        wait_count <= wait_count + 32'd1;
                    end
                end
                S_LE_HIGH: begin
                    LMK04906_CLK    <= 1'b0;
                    LMK04906_DATAIN <= 1'b0;
                    LMK04906_LE     <= 1'b1;
                    if (half_done) begin
                        wait_count <= 32'd0;
                        state      <= S_LE_LOW;
                    end else begin
                        wait_count <= wait_count + 32'd1;
                    end
                end
                S_LE_LOW: begin
                    LMK04906_LE <= 1'b0;
                    if (half_done) begin
                        wait_count <= 32'd0;
                        if (index == WORD_COUNT - 1) begin
                            state <= S_DONE;
                        end else begin
                            index <= index + 4'd1;
                            state <= S_LOAD;
                        end
                    end else begin
                        wait_count <= wait_count + 32'd1;
                    end
                end
                default:
                    SPI_DONE <= 1'b1;
            endcase
        end
    end

endmodule
