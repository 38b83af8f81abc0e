// i2c_controller: one I2C register write through i2c_bus_controller.
//
// iGO latches the slave address, register and value and runs the transaction
//     START, slave address + write bit, register, value, STOP.
// When the slave does not acknowledge a byte, the rest is skipped and the bus is
// released with a STOP. oDONE pulses at the end; with it, oERROR is 1 when a byte was
// not acknowledged (the register may not have been written).

module i2c_controller (
    input  wire       iCLK,
    input  wire       iRST_n,
    input  wire       iGO,          // accepted between transactions
    input  wire [6:0] iSLAVE_ADDR,
    input  wire [7:0] iREG_ADDR,
    input  wire [7:0] iREG_DATA,
    output reg        oDONE,
    output reg        oERROR,
    // commands to i2c_bus_controller
    output reg        oBUS_GO,
    output reg  [1:0] oBUS_CMD,
    output reg  [7:0] oBUS_DATA,
    input  wire       iBUS_DONE,
    input  wire       iBUS_NACK
);

    localparam [1:0] CMD_START = 2'd0;
    localparam [1:0] CMD_WRITE = 2'd1;
    localparam [1:0] CMD_STOP  = 2'd2;

    localparam [2:0] STEP_START = 3'd0;
    localparam [2:0] STEP_SLAVE = 3'd1;
    localparam [2:0] STEP_REG   = 3'd2;
    localparam [2:0] STEP_DATA  = 3'd3;
    localparam [2:0] STEP_STOP  = 3'd4;

    reg       busy;
    reg [2:0] step;
    reg       waiting;  // a command is out, its oDONE not yet seen
    reg       failed;
    reg [6:0] slave_addr;
    reg [7:0] reg_addr;
    reg [7:0] reg_data;

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            busy       <= 1'b0;
            oDONE      <= 1'b0;
            oERROR     <= 1'b0;
            oBUS_GO    <= 1'b0;
            oBUS_CMD   <= CMD_STOP;
            oBUS_DATA  <= 8'd0;
            step       <= STEP_START;
            waiting    <= 1'b0;
            failed     <= 1'b0;
            slave_addr <= 7'd0;
            reg_addr   <= 8'd0;
            reg_data   <= 8'd0;
        end else begin
            oBUS_GO <= 1'b0;
            oDONE   <= 1'b0;
            if (!busy) begin
                if (iGO) begin
                    busy       <= 1'b1;
                    step       <= STEP_START;
                    waiting    <= 1'b0;
                    failed     <= 1'b0;
                    slave_addr <= iSLAVE_ADDR;
                    reg_addr   <= iREG_ADDR;
                    reg_data   <= iREG_DATA;
                end
            end else if (!waiting) begin
                oBUS_GO <= 1'b1;
                waiting <= 1'b1;
                case (step)
                    STEP_START: begin
                        oBUS_CMD  <= CMD_START;
                        oBUS_DATA <= 8'd0;
                    end
                    STEP_SLAVE: begin
                        oBUS_CMD  <= CMD_WRITE;
                        oBUS_DATA <= {slave_addr, 1'b0};
                    end
                    STEP_REG: begin
                        oBUS_CMD  <= CMD_WRITE;
                        oBUS_DATA <= reg_addr;
                    end
                    STEP_DATA: begin
                        oBUS_CMD  <= CMD_WRITE;
                        oBUS_DATA <= reg_data;
                    end
                    default: begin
                        oBUS_CMD  <= CMD_STOP;
                        oBUS_DATA <= 8'd0;
                    end
                endcase
            end else if (iBUS_DONE) begin
                waiting <= 1'b0;
                if (step == STEP_STOP) begin
                    busy  <= 1'b0;
                    oDONE  <= 1'b1;
                    oERROR <= failed;
                end else if (iBUS_NACK) begin
                    failed <= 1'b1;
                    step   <= STEP_STOP;
                end else begin
                    step <= step + 3'd1;
                end
            end
        end
    end

endmodule
