// edge_detector: a one-cycle pulse on oRISE for each rising edge of iSIGNAL, after the
// signal has been brought into the iCLK domain and has held its new level for
// DEBOUNCE_CYCLES cycles in a row.
//
// The Si5340 controllers use it twice: with a long DEBOUNCE_CYCLES on the start input,
// which comes from a push-button and bounces, and with DEBOUNCE_CYCLES = 1 on the divided
// clock of clock_divider, to make the I2C engine's timing ticks. A pulse shorter than
// DEBOUNCE_CYCLES is ignored, and so is a level that is high already when the reset ends.

module edge_detector #(
    parameter DEBOUNCE_CYCLES = 1  // 1 to 2^24 - 1
) (
    input  wire iCLK,
    input  wire iRST_n,
    input  wire iSIGNAL,
    output reg  oRISE
);

    localparam [23:0] LAST = DEBOUNCE_CYCLES - 1;

    reg [1:0]  sync;    // two flip-flops against metastability
    reg        level;   // the debounced level
    reg [23:0] count;   // cycles the synchronised input has differed from `level`

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            sync  <= 2'b11;
            level <= 1'b1;
            count <= 24'd0;
            oRISE <= 1'b0;
        end else begin
            sync  <= {sync[0], iSIGNAL};
            oRISE <= 1'b0;
            if (sync[1] == level) begin
                count <= 24'd0;
            end else if (count == LAST) begin
                count <= 24'd0;
                level <= sync[1];
                oRISE <= sync[1];
            end else begin
                count <= count + 24'd1;
            end
        end
    end

endmodule
