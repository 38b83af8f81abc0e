// edge_detector: one-cycle pulses on the rising and falling edges of iSIGNAL.
//
// iSIGNAL must be synchronous to iCLK (here: the output of clock_divider).

module edge_detector (
    input  wire iCLK,
    input  wire iRST_n,
    input  wire iSIGNAL,
    output wire oRISE,
    output wire oFALL
);

    reg last;

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n)
            last <= 1'b0;
        else
            last <= iSIGNAL;
    end

    assign oRISE = iSIGNAL & ~last;
    assign oFALL = ~iSIGNAL & last;

endmodule
