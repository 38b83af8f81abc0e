// clock_divider: square wave at iCLK / (2 * DIVIDER).
//
// Part of the Si570 and Si5340 controllers. The wave clocks no register: edge_detector
// turns its edges into one-cycle ticks on iCLK, so the whole controller stays in one
// clock domain.

module clock_divider #(
    parameter DIVIDER = 125  // iCLK cycles per half period of oCLK, 1 to 65536
) (
    input  wire iCLK,
    input  wire iRST_n,
    output reg  oCLK
);

    localparam [15:0] LAST = DIVIDER - 1;

    reg [15:0] count;

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            count <= 16'd0;
            oCLK  <= 1'b0;
        end else if (count == LAST) begin
            count <= 16'd0;
            oCLK  <= ~oCLK;
        end else begin
            count <= count + 16'd1;
        end
    end

endmodule
