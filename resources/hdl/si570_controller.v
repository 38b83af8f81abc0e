// si570_controller: programs a Si570 oscillator over I2C after reset.
//
// After iRST_n rises it waits POWER_UP_CYCLES (the Si570 loads its start-up settings),
// samples iFREQ_MODE and writes the register sequence of initial_config to the chip at
// SLAVE_ADDR: freeze the DCO, registers 7 to 12, unfreeze the DCO, NewFreq. It then
// waits SETTLE_CYCLES for the new frequency to settle and raises oController_Ready, which
// stays high until the next reset. A changed iFREQ_MODE takes effect at the next reset.
//
// iFREQ_MODE: 000 100 MHz, 001 125 MHz, 010 156.25 MHz, 011 250 MHz, 100 312.5 MHz,
//             101 322.265625 MHz, 110 644.53125 MHz; 111 is taken as 000.
//
// I2C: SCL = iCLK / (4 * I2C_DIVIDER) (100 kHz from 50 MHz), driven push-pull;
// I2C_DATA is open drain and needs the board's pull-up.
//
// Files: si570_controller, clock_divider, edge_detector, i2c_bus_controller,
// i2c_controller, i2c_reg_controller, initial_config.

module si570_controller #(
    parameter       I2C_DIVIDER     = 125,      // iCLK cycles per quarter SCL period, at least 3
    parameter       POWER_UP_CYCLES = 1000000,  // 20 ms at 50 MHz, at most 2^24
    parameter       SETTLE_CYCLES   = 500000,   // 10 ms at 50 MHz, at most 2^24
    parameter [6:0] SLAVE_ADDR      = 7'h55
) (
    input  wire       iCLK,           // 50 MHz
    input  wire       iRST_n,
    input  wire [2:0] iFREQ_MODE,
    output wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output reg        oController_Ready
);

    localparam [23:0] POWER_UP_LAST = POWER_UP_CYCLES - 1;
    localparam [23:0] SETTLE_LAST   = SETTLE_CYCLES - 1;

    localparam [1:0] S_POWER_UP  = 2'd0;
    localparam [1:0] S_CONFIGURE = 2'd1;
    localparam [1:0] S_SETTLE    = 2'd2;
    localparam [1:0] S_READY     = 2'd3;

    reg  [1:0]  state;
    reg  [23:0] wait_count;
    reg  [2:0]  mode;
    reg         start;

    wire        bus_clk;
    wire        bus_rise;
    wire        bus_fall;
    wire [3:0]  index;
    wire        last;
    wire [7:0]  reg_addr;
    wire [7:0]  reg_data;
    wire        write_go;
    wire        write_done;
    wire        write_error;
    wire        table_done;
    wire        bus_go;
    wire [1:0]  bus_cmd;
    wire [7:0]  bus_data;
    wire        bus_done;
    wire        bus_nack;
    wire        scl;
    wire        sda_low;

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            state             <= S_POWER_UP;
            wait_count        <= 24'd0;
            mode              <= 3'b000;
            start             <= 1'b0;
            oController_Ready <= 1'b0;
        end else begin
            start <= 1'b0;
            case (state)
                S_POWER_UP: begin
                    if (wait_count == POWER_UP_LAST) begin
                        wait_count <= 24'd0;
                        mode       <= iFREQ_MODE;
                        start      <= 1'b1;
                        state      <= S_CONFIGURE;
                    end else begin
                        wait_count <= wait_count + 24'd1;
                    end
                end
                S_CONFIGURE: begin
                    if (table_done)
                        state <= S_SETTLE;
                end
                S_SETTLE: begin
                    if (wait_count == SETTLE_LAST) begin
                        oController_Ready <= 1'b1;
                        state             <= S_READY;
                    end else begin
                        wait_count <= wait_count + 24'd1;
                    end
                end
                default: ;  // ready until reset
            endcase
        end
    end

    clock_divider #(
        .DIVIDER(I2C_DIVIDER)
    ) bus_clock (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .oCLK(bus_clk)
    );

    edge_detector bus_ticks (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iSIGNAL(bus_clk),
        .oRISE(bus_rise),
        .oFALL(bus_fall)
    );

    initial_config settings (
        .iFREQ_MODE(mode),
        .iINDEX(index),
        .oREG_ADDR(reg_addr),
        .oREG_DATA(reg_data),
        .oLAST(last)
    );

    i2c_reg_controller sequencer (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iSTART(start),
        .oINDEX(index),
        .iLAST(last),
        .oWRITE_GO(write_go),
        .iWRITE_DONE(write_done),
        .iWRITE_ERROR(write_error),
        .oDONE(table_done)
    );

    i2c_controller writer (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iGO(write_go),
        .iSLAVE_ADDR(SLAVE_ADDR),
        .iREG_ADDR(reg_addr),
        .iREG_DATA(reg_data),
        .oDONE(write_done),
        .oERROR(write_error),
        .oBUS_GO(bus_go),
        .oBUS_CMD(bus_cmd),
        .oBUS_DATA(bus_data),
        .iBUS_DONE(bus_done),
        .iBUS_NACK(bus_nack)
    );

    i2c_bus_controller bus (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iTICK(bus_rise | bus_fall),
        .iGO(bus_go),
        .iCMD(bus_cmd),
        .iDATA(bus_data),
        .oDONE(bus_done),
        .oNACK(bus_nack),
        .oSCL(scl),
        .oSDA_LOW(sda_low),
        .iSDA(I2C_DATA)
    );

    assign I2C_CLK  = scl;
    assign I2C_DATA = sda_low ? 1'b0 : 1'bz;

endmodule
