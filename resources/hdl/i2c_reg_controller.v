// i2c_reg_controller: writes the entries of initial_config, in order, through
// i2c_controller.
//
// A pulse on iSTART begins with entry 0. A write the slave did not acknowledge is
// repeated until it succeeds (the Si570 may still be busy), so the entries reach the
// chip in order and each exactly once. oDONE goes high when the last entry is written
// and stays high until reset.

module i2c_reg_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iSTART,
    output reg  [3:0] oINDEX,        // entry of initial_config to write
    input  wire       iLAST,         // oINDEX is the last entry
    output reg        oWRITE_GO,     // to i2c_controller
    input  wire       iWRITE_DONE,
    input  wire       iWRITE_ERROR,
    output reg        oDONE
);

    localparam [1:0] S_IDLE  = 2'd0;
    localparam [1:0] S_ISSUE = 2'd1;
    localparam [1:0] S_WAIT  = 2'd2;
    localparam [1:0] S_DONE  = 2'd3;

    reg [1:0] state;

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            state     <= S_IDLE;
            oINDEX    <= 4'd0;
            oWRITE_GO <= 1'b0;
            oDONE     <= 1'b0;
        end else begin
            oWRITE_GO <= 1'b0;
            case (state)
                S_IDLE: begin
                    if (iSTART) begin
                        oINDEX <= 4'd0;
                        state  <= S_ISSUE;
                    end
                end
                S_ISSUE: begin
                    oWRITE_GO <= 1'b1;
                    state     <= S_WAIT;
                end
                S_WAIT: begin
                    if (iWRITE_DONE) begin
                        if (iWRITE_ERROR) begin
                            state <= S_ISSUE;
                        end else if (iLAST) begin
                            oDONE <= 1'b1;
                            state <= S_DONE;
                        end else begin
                            oINDEX <= oINDEX + 4'd1;
                            state  <= S_ISSUE;
                        end
                    end
                end
                default: ;  // finished until reset
            endcase
        end
    end

endmodule
