// i2c_bus_controller: bit level of the Si570 controller's I2C master.
//
// Runs one command per iGO: START, WRITE (one byte, then the slave's acknowledge bit) or
// STOP. Every bit takes four iTICK periods: data is set up a quarter period after SCL
// falls, SCL is high for the middle two quarters, and SDA is sampled half-way through
// the high phase. SCL is driven push-pull (the Si570 never stretches the clock); SDA is
// open drain: oSDA_LOW pulls the line low, otherwise the board's pull-up holds it high.
// With a 2.5 us tick (100 kHz SCL) every phase meets the Fast-mode timing of the Si570.
//
// Line states between commands: after STOP (and after reset) SCL and SDA are high;
// after START and WRITE, SCL is low and SDA is released. A START after a WRITE is
// therefore a valid repeated start.
//
// oDONE pulses for one cycle when a command ends; with it, oNACK is 1 when the slave did
// not acknowledge a written byte (always 0 for START and STOP).

module i2c_bus_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iTICK,      // quarter-bit timing pulse, one iCLK cycle wide
    input  wire       iGO,        // accepted between commands
    input  wire [1:0] iCMD,
    input  wire [7:0] iDATA,      // byte of a WRITE, sent most significant bit first
    output reg        oDONE,
    output reg        oNACK,
    output reg        oSCL,
    output reg        oSDA_LOW,
    input  wire       iSDA        // the SDA line as seen at the pin
);

    localparam [1:0] CMD_START = 2'd0;
    localparam [1:0] CMD_WRITE = 2'd1;

    reg       busy;
    reg [1:0] cmd;
    reg [7:0] shift;
    reg [3:0] bit_count;  // 0 to 7 data bits, 8 the acknowledge bit
    reg [1:0] quarter;
    reg [1:0] sda_sync;   // the pin is asynchronous to iCLK

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            busy      <= 1'b0;
            oDONE     <= 1'b0;
            oNACK     <= 1'b0;
            oSCL      <= 1'b1;
            oSDA_LOW  <= 1'b0;
            cmd       <= CMD_START;
            shift     <= 8'd0;
            bit_count <= 4'd0;
            quarter   <= 2'd0;
            sda_sync  <= 2'b11;
        end else begin
            sda_sync <= {sda_sync[0], iSDA};
            oDONE    <= 1'b0;
            if (!busy) begin
                if (iGO) begin
                    busy      <= 1'b1;
                    oNACK     <= 1'b0;
                    cmd       <= iCMD;
                    shift     <= iDATA;
                    bit_count <= 4'd0;
                    quarter   <= 2'd0;
                end
            end else if (iTICK) begin
                quarter <= quarter + 2'd1;
                if (cmd == CMD_START) begin
                    case (quarter)
                        2'd0: oSDA_LOW <= 1'b0;
                        2'd1: oSCL     <= 1'b1;
                        2'd2: oSDA_LOW <= 1'b1;  // SDA falls while SCL is high
                        default: begin
                            oSCL  <= 1'b0;
                            busy <= 1'b0;
                            oDONE <= 1'b1;
                        end
                    endcase
                end else if (cmd == CMD_WRITE) begin
                    case (quarter)
                        2'd0: oSDA_LOW <= (bit_count == 4'd8) ? 1'b0 : ~shift[7];
                        2'd1: oSCL     <= 1'b1;
                        2'd2: begin
                            if (bit_count == 4'd8)
                                oNACK <= sda_sync[1];
                        end
                        default: begin
                            oSCL  <= 1'b0;
                            shift <= {shift[6:0], 1'b0};
                            if (bit_count == 4'd8) begin
                                busy <= 1'b0;
                                oDONE <= 1'b1;
                            end else begin
                                bit_count <= bit_count + 4'd1;
                            end
                        end
                    endcase
                end else begin  // STOP
                    case (quarter)
                        2'd0: oSDA_LOW <= 1'b1;
                        2'd1: oSCL     <= 1'b1;
                        2'd2: oSDA_LOW <= 1'b0;  // SDA rises while SCL is high
                        default: begin
                            busy <= 1'b0;
                            oDONE <= 1'b1;
                        end
                    endcase
                end
            end
        end
    end

endmodule
