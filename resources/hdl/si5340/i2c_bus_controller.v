// i2c_bus_controller: the I2C master of the Si5340 controllers. It runs a short program
// of bus operations that the register controller supplies, one operation per step.
//
// iGO starts the program at step 0; the engine asks for each operation through oSTEP and
// takes it from iOP = {kind, byte} in the next clock cycle:
//     OP_END        the program is finished: oDONE pulses
//     OP_START      START, or a repeated START after a byte
//     OP_WRITE      sends the byte; the slave must acknowledge it
//     OP_READ       reads a byte, which must equal the byte of the op, and acknowledges it
//     OP_READ_LAST  reads a byte without acknowledging it (the last of a read); it must
//                   equal the byte of the op
//     OP_STOP       STOP
// A byte the slave does not acknowledge, or a byte read that differs from the one
// expected, ends the program: the engine sends a STOP and pulses oFAIL. An iGO while a
// program runs is remembered: the program starts again from step 0 when the current run
// ends, and only that last run reports oDONE or oFAIL.
//
// Bit timing: every bit takes four iTICK periods. Data changes a quarter period after SCL
// falls, SCL is high for the middle two quarters and SDA is sampled half-way through the
// high phase. With a tick every 2.56 us (50 MHz divided by 128) SCL runs at 97.7 kHz and
// every phase meets the standard-mode timing of the Si5340. SCL is driven push-pull (the
// Si5340 never stretches the clock); SDA is open drain: oSDA_LOW pulls the line low,
// otherwise the board's pull-up holds it high. After reset and after every STOP both
// lines are high.

module i2c_bus_controller (
    input  wire        iCLK,
    input  wire        iRST_n,
    input  wire        iTICK,      // quarter-bit timing pulse, one iCLK cycle wide
    input  wire        iGO,
    output wire [7:0]  oSTEP,      // the operation the engine asks for
    input  wire [10:0] iOP,        // {kind[10:8], byte[7:0]} of step oSTEP
    output reg         oDONE,
    output reg         oFAIL,
    output reg         oSCL,
    output reg         oSDA_LOW,
    input  wire        iSDA        // the SDA line as seen at the pin
);

    localparam [2:0] OP_END       = 3'd0;
    localparam [2:0] OP_START     = 3'd1;
    localparam [2:0] OP_WRITE     = 3'd2;
    localparam [2:0] OP_READ      = 3'd3;
    localparam [2:0] OP_READ_LAST = 3'd4;
    localparam [2:0] OP_STOP      = 3'd5;

    reg       busy;
    reg [7:0] step;
    reg       in_op;      // the operation of `step` is on the bus
    reg [2:0] kind;
    reg [7:0] shift;      // bits still to send, or bits received so far
    reg [7:0] expected;   // byte a read must return
    reg [3:0] bit_count;  // 0 to 7 data bits, 8 the acknowledge bit
    reg [1:0] quarter;
    reg       failing;    // the STOP after a failure is on the bus
    reg       again;      // iGO came while running
    reg [1:0] sda_sync;   // the pin is asynchronous to iCLK

    assign oSTEP = step;

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            step      <= 8'd0;
            in_op     <= 1'b0;
            kind      <= OP_END;
            shift     <= 8'd0;
            expected  <= 8'd0;
            bit_count <= 4'd0;
            quarter   <= 2'd0;
            failing   <= 1'b0;
            again     <= 1'b0;
            sda_sync  <= 2'b11;
            busy      <= 1'b0;
            oDONE     <= 1'b0;
            oFAIL     <= 1'b0;
            oSCL      <= 1'b1;
            oSDA_LOW  <= 1'b0;
        end else begin
            sda_sync <= {sda_sync[0], iSDA};
            oDONE    <= 1'b0;
            oFAIL    <= 1'b0;
            if (iGO && busy)
                again <= 1'b1;

            if (!busy) begin
                if (iGO) begin
                    busy   <= 1'b1;
                    again   <= 1'b0;
                    step    <= 8'd0;
                    in_op   <= 1'b0;
                    failing <= 1'b0;
                end
            end else if (!in_op) begin
                if (iOP[10:8] == OP_END || iOP[10:8] > OP_STOP) begin
                    if (again || iGO) begin
                        again <= 1'b0;
                        step  <= 8'd0;
                    end else begin
                        busy <= 1'b0;
                        oDONE <= 1'b1;
                    end
                end else begin
                    in_op     <= 1'b1;
                    kind      <= iOP[10:8];
                    shift     <= iOP[7:0];
                    expected  <= iOP[7:0];
                    bit_count <= 4'd0;
                    quarter   <= 2'd0;
                end
            end else if (iTICK) begin
                quarter <= quarter + 2'd1;
                case (kind)
                    OP_START: begin
                        case (quarter)
                            2'd0: oSDA_LOW <= 1'b0;
                            2'd1: oSCL     <= 1'b1;
                            2'd2: oSDA_LOW <= 1'b1;  // SDA falls while SCL is high
                            default: begin
                                oSCL  <= 1'b0;
                                in_op <= 1'b0;
                                step  <= step + 8'd1;
                            end
                        endcase
                    end
                    OP_WRITE: begin
                        case (quarter)
                            2'd0: oSDA_LOW <= (bit_count == 4'd8) ? 1'b0 : ~shift[7];
                            2'd1: oSCL     <= 1'b1;
                            2'd2: if (bit_count == 4'd8 && sda_sync[1]) failing <= 1'b1;
                            default: begin
                                oSCL  <= 1'b0;
                                shift <= {shift[6:0], 1'b0};
                                if (bit_count == 4'd8) begin
                                    if (failing) begin
                                        kind    <= OP_STOP;
                                        quarter <= 2'd0;
                                    end else begin
                                        in_op <= 1'b0;
                                        step  <= step + 8'd1;
                                    end
                                end else begin
                                    bit_count <= bit_count + 4'd1;
                                end
                            end
                        endcase
                    end
                    OP_READ, OP_READ_LAST: begin
                        case (quarter)
                            // acknowledge only a byte that is right, so that after a
                            // wrong one the slave lets go of SDA for the STOP
                            2'd0: oSDA_LOW <= (bit_count == 4'd8) && (kind == OP_READ) &&
                                              (shift == expected);
                            2'd1: oSCL     <= 1'b1;
                            2'd2: if (bit_count != 4'd8) shift <= {shift[6:0], sda_sync[1]};
                            default: begin
                                oSCL <= 1'b0;
                                if (bit_count == 4'd8) begin
                                    if (shift != expected) begin
                                        failing <= 1'b1;
                                        kind    <= OP_STOP;
                                        quarter <= 2'd0;
                                    end else begin
                                        in_op <= 1'b0;
                                        step  <= step + 8'd1;
                                    end
                                end else begin
                                    bit_count <= bit_count + 4'd1;
                                end
                            end
                        endcase
                    end
                    default: begin  // OP_STOP
                        case (quarter)
                            2'd0: oSDA_LOW <= 1'b1;
                            2'd1: oSCL     <= 1'b1;
                            2'd2: oSDA_LOW <= 1'b0;  // SDA rises while SCL is high
                            default: begin
                                in_op <= 1'b0;
                                step  <= step + 8'd1;
                                if (failing) begin
                                    failing <= 1'b0;
                                    if (again || iGO) begin
                                        again <= 1'b0;
                                        step  <= 8'd0;
                                    end else begin
                                        busy <= 1'b0;
                                        oFAIL <= 1'b1;
                                    end
                                end
                            end
                        endcase
                    end
                endcase
            end
        end
    end

endmodule
