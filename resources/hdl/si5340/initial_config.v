// initial_config: one start pulse DELAY_CYCLES clock cycles after the reset ends.
//
// The Si5340 controllers program their chip with it once after reset: the delay (about
// 42 ms at 50 MHz by default) lets the chip finish loading its start-up configuration
// and lock before it is written to.

module initial_config #(
    parameter DELAY_CYCLES = 2097152  // 1 to 2^24
) (
    input  wire iCLK,
    input  wire iRST_n,
    output reg  oSTART
);

    localparam [23:0] LAST = DELAY_CYCLES - 1;

    reg [23:0] count;
    reg        waiting;

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            count   <= 24'd0;
            waiting <= 1'b1;
            oSTART  <= 1'b0;
        end else begin
            oSTART <= 1'b0;
            if (waiting) begin
                if (count == LAST) begin
                    waiting <= 1'b0;
                    oSTART  <= 1'b1;
                end else begin
                    count <= count + 24'd1;
                end
            end
        end
    end

endmodule
