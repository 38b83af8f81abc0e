// I2C_CDCM6208_Config
//
// Programs the CDCM6208 clock generator once after reset, then raises I2C_DONE.
//
// Frequency plan, for 25 MHz at the chip's reference input. The phase detector runs at
// 25 MHz (reference divider M = 1), the VCO at 3000 MHz (CDCM6208V2 range 2.94 to
// 3.13 GHz). The feedback path divides the VCO by prescaler A and the feedback divider N, so
// VCO = 25 MHz * N * PS_A. Outputs Y0/Y1 share one integer divider after prescaler A,
// Y2/Y3 one after prescaler B; Y4 and Y5 have fractional dividers, fed from prescaler B.
//
//   output  clock                 iFREQ_SELECT 0 / 1 / 2 (3 acts as 0)
//   Y0      FMCA_REFCLK_0         100 / 125 / 150 MHz   PS_A 6/6/5, N 20/20/24, divider 5/4/4
//   Y1      FMCD_REFCLK_0         as Y0
//   Y2      SATA_HOST_REFCLK      150 MHz               PS_B 5, divider 4
//   Y3      SATA_DEVICE_REFCLK    150 MHz               PS_B 5, divider 4
//   Y4      PCIE_OB_REFCLK        100 MHz               PS_B 5, fractional divider 6.0
//   Y5      DDR3_REFCLK           133.333 MHz           PS_B 5, fractional divider 4.5
//   Y6, Y7  not used, off
//
// A 1 in iFREQ_DISABLE switches an output off (its format field 00): bit 0 Y0 (FMCA),
// bit 1 Y1 (FMCD), bit 2 Y4 (PCIE), bit 3 Y2 (SATA_HOST), bit 4 Y3 (SATA_DEVICE),
// bit 5 Y5 (DDR3).
//
// Registers written (16-bit address, 16-bit data; 7-bit device address 0x54). The field
// positions below are this configurator's reading of the chip's register description and
// have not been checked on a board: compare them with the data sheet of the part fitted.
//   R0   [15:0]  charge pump and loop filter for the 25 MHz phase detector: 16'h01B9
//   R1   [13:0]  reference divider M - 1
//   R2   [15:14] prescaler B code, [13:12] prescaler A code (0: /4, 1: /5, 2: /6),
//        [9:0]   feedback divider N
//   R3   [15:8]  Y0/Y1 divider - 1, [6] RESETN_SW (0 holds the outputs in reset),
//        [3:2]   Y1 format, [1:0] Y0 format (01 LVDS, 00 off)
//   R4   [15:8]  Y2/Y3 divider - 1, [3:2] Y3 format, [1:0] Y2 format
//   R5   Y4: [15:8] integer divider - 1, [7] source (1 prescaler B), [5:4] format,
//        [3:0] fraction bits 19 to 16
//   R6   Y4 fraction bits 15 to 0 (fraction = value / 2^20)
//   R7   Y5 as R5, R8 Y5 as R6
//   R9 to R12  Y6 and Y7 as R5 to R8: all 0, off
//
// Order of the writes: R3 with RESETN_SW 0, R0 to R2, R4 to R12, then R3 with RESETN_SW 1,
// which starts the outputs with the whole set in place. A write the chip does not
// acknowledge is repeated.

module I2C_CDCM6208_Config (
    input            iCLK,
    input            iRST_N,
    input      [1:0] iFREQ_SELECT,
    input      [5:0] iFREQ_DISABLE,
    inout            I2C_SCLK,
    inout            I2C_SDAT,
    output reg       I2C_DONE
);

    parameter CLK_Freq        = 50_000_000;  // iCLK, Hz
    parameter I2C_Freq        = 20_000;      // I2C clock, Hz
    parameter POWER_UP_CYCLES = CLK_Freq / 100;  // 10 ms for the chip to start

    localparam QUARTER     = CLK_Freq / (I2C_Freq * 4);
    localparam WRITE_COUNT = 14;
    localparam [7:0] DEVICE_WRITE = 8'hA8;  // 0x54, write

    localparam [1:0] FMT_OFF  = 2'b00;
    localparam [1:0] FMT_LVDS = 2'b01;

    reg  [31:0] wait_count;
    reg  [3:0]  index;
    reg  [1:0]  state;
    reg         go;
    reg  [1:0]  select;
    reg  [5:0]  disable_bits;
    wire        done;
    wire        ack;
    // the controller's slot and data-line level: status this configurator does not need
    /* verilator lint_off UNUSEDSIGNAL */
    wire [5:0]  slot;
    wire        sdo;
    /* verilator lint_on UNUSEDSIGNAL */

    localparam S_POWER_UP = 2'd0;
    localparam S_WRITE    = 2'd1;
    localparam S_WAIT     = 2'd2;
    localparam S_DONE     = 2'd3;

    function [1:0] format;
        input off;
        begin
            format = off ? FMT_OFF : FMT_LVDS;
        end
    endfunction

    // {register, data} of write n for the latched choice
    function [31:0] register_write;
        input [3:0] n;
        input [1:0] sel;
        input [5:0] dis;
        reg   [1:0] ps_a;
        reg   [9:0] feedback;
        reg   [7:0] y01_divider;
        begin
            case (sel)
                2'd1:    begin ps_a = 2'd2; feedback = 10'd20; y01_divider = 8'd4; end  // 125 MHz
                2'd2:    begin ps_a = 2'd1; feedback = 10'd24; y01_divider = 8'd4; end  // 150 MHz
                default: begin ps_a = 2'd2; feedback = 10'd20; y01_divider = 8'd5; end  // 100 MHz
            endcase
            case (n)
                4'd0:    register_write = {16'd3, y01_divider - 8'd1, 1'b0, 1'b0, 2'b00, format(dis[1]), format(dis[0])};
                4'd1:    register_write = {16'd0, 16'h01B9};
                4'd2:    register_write = {16'd1, 2'b00, 14'd0};
                4'd3:    register_write = {16'd2, 2'd1, ps_a, 2'b00, feedback};
                4'd4:    register_write = {16'd4, 8'd3, 4'b0000, format(dis[4]), format(dis[3])};
                4'd5:    register_write = {16'd5, 8'd5, 1'b1, 1'b0, format(dis[2]), 4'h0};   // 6.0
                4'd6:    register_write = {16'd6, 16'h0000};
                4'd7:    register_write = {16'd7, 8'd3, 1'b1, 1'b0, format(dis[5]), 4'h8};   // 4.5
                4'd8:    register_write = {16'd8, 16'h0000};
                4'd9:    register_write = {16'd9, 16'h0000};
                4'd10:   register_write = {16'd10, 16'h0000};
                4'd11:   register_write = {16'd11, 16'h0000};
                4'd12:   register_write = {16'd12, 16'h0000};
                default: register_write = {16'd3, y01_divider - 8'd1, 1'b0, 1'b1, 2'b00, format(dis[1]), format(dis[0])};
            endcase
        end
    endfunction

    always @(posedge iCLK or negedge iRST_N) begin
        if (!iRST_N) begin
            wait_count   <= 32'd0;
            index        <= 4'd0;
            state        <= S_POWER_UP;
            go           <= 1'b0;
            select       <= 2'd0;
            disable_bits <= 6'd0;
            I2C_DONE     <= 1'b0;
        end else begin
            case (state)
                S_POWER_UP:
                    if (wait_count < POWER_UP_CYCLES) begin
                        wait_count <= wait_count + 32'd1;
                    end else begin
                        select       <= iFREQ_SELECT;
                        disable_bits <= iFREQ_DISABLE;
                        state        <= S_WRITE;
                    end
                S_WRITE: begin
                    go    <= 1'b1;
                    state <= S_WAIT;
                end
                S_WAIT:
                    if (done) begin
                        go <= 1'b0;
                        if (!ack) begin
                            state <= S_WRITE;  // not acknowledged: once more
                        end else if (index == WRITE_COUNT - 1) begin
                            state <= S_DONE;
                        end else begin
                            index <= index + 4'd1;
                            state <= S_WRITE;
                        end
                    end
                default:
                    I2C_DONE <= 1'b1;
            endcase
        end
    end

    I2C_CDCM6208_Controller #(
        .QUARTER(QUARTER)
    ) u0 (
        .CLOCK(iCLK),
        .I2C_SCLK(I2C_SCLK),
        .I2C_SDAT(I2C_SDAT),
        .I2C_DATA({DEVICE_WRITE, register_write(index, select, disable_bits)}),
        .GO(go),
        .END(done),
        .ACK(ack),
        .RST_n(iRST_N),
        .SD_COUNTER(slot),
        .SDO(sdo)
    );

endmodule
