// ext_pll_ctrl: sets the three clock outputs of the board's external PLL controller (the
// device that straps the board's programmable clock chips) over a two-wire serial link.
//
// Link protocol; this module is the master, the PLL controller the slave:
//   - max_sclk is always driven by the master. max_sdat is driven by the master, except
//     while the slave sends read data. Idle: both lines high.
//   - A frame begins with START (max_sdat falls while max_sclk is high) and ends with
//     STOP (max_sdat rises while max_sclk is high). Inside a frame max_sdat changes only
//     while max_sclk is low; the receiver samples it at the rising edge of max_sclk.
//   - Bit 1 of a frame is the direction: 0 write, 1 read. Bits 2 to 13 are the codes of
//     output 1, output 2 and output 3, 4 bits each, most significant bit first.
//   - Write frame: the master sends the 12 code bits; the slave applies the three codes
//     at STOP. A frame with fewer or more than 13 bits is ignored.
//   - Read frame: after the direction bit the master releases max_sdat. The slave drives
//     each of its 12 code bits after the falling edge of max_sclk before that bit, and
//     releases max_sdat within a quarter bit period after the last falling edge.
//   - Codes: 0 leave the output unchanged, 1 disable it, 2 to 12 set it to 62.5, 75, 100,
//     125, 150, 156.25, 187.5, 200, 250, 312.5 or 625 MHz; 13 to 15 are reserved.
//   - One bit lasts 4 * SCLK_QUARTER cycles of osc_50: max_sclk runs at 100 kHz by default.
//     Timing of a bit, in quarters: data set up, max_sclk rises, (high), max_sclk falls.
//
// Use:
//   - A rising edge of conf_wr latches clk1_set_wr, clk2_set_wr and clk3_set_wr and
//     sends them in a write frame. Holding conf_wr high sends nothing more.
//   - A rising edge of conf_rd sends a read frame; at its end the codes read back appear
//     on clk1_set_rd, clk2_set_rd and clk3_set_rd. Left unconnected, conf_rd is tied low.
//   - conf_ready is low from reset until a write frame has been sent and while a frame
//     is in progress.
//   - A request that comes during a frame is sent after it; a write goes before a read.
//     conf_wr and conf_rd must be synchronous to osc_50.

module ext_pll_ctrl #(
    parameter SCLK_QUARTER = 125  // osc_50 cycles per quarter bit, 3 to 65536
) (
    input  wire       osc_50,
    input  wire       rstn,
    input  wire [3:0] clk1_set_wr,
    output reg  [3:0] clk1_set_rd,
    input  wire [3:0] clk2_set_wr,
    output reg  [3:0] clk2_set_rd,
    input  wire [3:0] clk3_set_wr,
    output reg  [3:0] clk3_set_rd,
    input  wire       conf_wr,
    input  wire       conf_rd,
    output reg        conf_ready,
    output reg        max_sclk,
    inout  wire       max_sdat
);

    localparam [15:0] QUARTER_LAST = SCLK_QUARTER - 1;

    localparam [1:0] S_IDLE  = 2'd0;
    localparam [1:0] S_START = 2'd1;
    localparam [1:0] S_BITS  = 2'd2;
    localparam [1:0] S_STOP  = 2'd3;

    reg [15:0] divider;
    reg [1:0]  state;
    reg [1:0]  quarter;
    reg [3:0]  bit_index;   // 12 for the direction bit down to 0
    reg [12:0] shift;       // out at the top, samples in at the bottom
    reg        reading;
    reg        written;     // a write frame has been sent since reset
    reg        wr_last;
    reg        rd_last;
    reg        wr_pending;
    reg        rd_pending;
    reg [11:0] wr_codes;
    reg        sdat_drive;
    reg        sdat_level;
    reg [1:0]  sdat_sync;   // max_sdat comes from outside the osc_50 domain

    wire tick = (divider == QUARTER_LAST);

    always @(posedge osc_50 or negedge rstn) begin
        if (!rstn)
            divider <= 16'd0;
        else if (tick)
            divider <= 16'd0;
        else
            divider <= divider + 16'd1;
    end

    always @(posedge osc_50 or negedge rstn) begin
        if (!rstn) begin
            state       <= S_IDLE;
            quarter     <= 2'd0;
            bit_index   <= 4'd0;
            shift       <= 13'd0;
            reading     <= 1'b0;
            written     <= 1'b0;
            wr_last     <= 1'b0;
            rd_last     <= 1'b0;
            wr_pending  <= 1'b0;
            rd_pending  <= 1'b0;
            wr_codes    <= 12'd0;
            sdat_drive  <= 1'b1;
            sdat_level  <= 1'b1;
            sdat_sync   <= 2'b11;
            max_sclk    <= 1'b1;
            conf_ready  <= 1'b0;
            clk1_set_rd <= 4'd0;
            clk2_set_rd <= 4'd0;
            clk3_set_rd <= 4'd0;
        end else begin
            wr_last   <= conf_wr;
            rd_last   <= conf_rd;
            sdat_sync <= {sdat_sync[0], max_sdat};

            if (tick) begin
                quarter <= quarter + 2'd1;
                case (state)
                    S_IDLE: begin
                        quarter <= 2'd0;
                        if (wr_pending) begin
                            wr_pending <= 1'b0;
                            reading    <= 1'b0;
                            shift      <= {1'b0, wr_codes};
                            conf_ready <= 1'b0;
                            state      <= S_START;
                        end else if (rd_pending) begin
                            rd_pending <= 1'b0;
                            reading    <= 1'b1;
                            shift      <= {1'b1, 12'd0};
                            conf_ready <= 1'b0;
                            state      <= S_START;
                        end
                    end
                    S_START: begin
                        case (quarter)
                            2'd0: begin
                                sdat_drive <= 1'b1;
                                sdat_level <= 1'b1;
                            end
                            2'd1: sdat_level <= 1'b0;  // START
                            2'd2: max_sclk   <= 1'b0;
                            default: begin
                                bit_index <= 4'd12;
                                state     <= S_BITS;
                            end
                        endcase
                    end
                    S_BITS: begin
                        case (quarter)
                            2'd0: begin
                                if (reading && bit_index != 4'd12) begin
                                    sdat_drive <= 1'b0;
                                end else begin
                                    sdat_drive <= 1'b1;
                                    sdat_level <= shift[12];
                                end
                            end
                            2'd1: max_sclk <= 1'b1;
                            2'd2: ;
                            default: begin
                                max_sclk <= 1'b0;
                                shift    <= {shift[11:0], sdat_sync[1]};
                                if (bit_index == 4'd0)
                                    state <= S_STOP;
                                else
                                    bit_index <= bit_index - 4'd1;
                            end
                        endcase
                    end
                    default: begin  // S_STOP
                        case (quarter)
                            2'd0: begin
                                sdat_drive <= 1'b1;
                                sdat_level <= 1'b0;
                            end
                            2'd1: max_sclk   <= 1'b1;
                            2'd2: sdat_level <= 1'b1;  // STOP
                            default: begin
                                state <= S_IDLE;
                                if (reading) begin
                                    {clk1_set_rd, clk2_set_rd, clk3_set_rd} <= shift[11:0];
                                    conf_ready <= written;
                                end else begin
                                    written    <= 1'b1;
                                    conf_ready <= 1'b1;
                                end
                            end
                        endcase
                    end
                endcase
            end

            // after the frame start above, so a request in the same cycle is not lost
            if (conf_wr && !wr_last) begin
                wr_pending <= 1'b1;
                wr_codes   <= {clk1_set_wr, clk2_set_wr, clk3_set_wr};
            end
            if (conf_rd && !rd_last)
                rd_pending <= 1'b1;
        end
    end

    assign max_sdat = sdat_drive ? sdat_level : 1'bz;

endmodule
