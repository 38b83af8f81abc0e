// si5340b_controller: sets the memory, QDRII+ and PCIe reference clocks of the Si5340B
// clock generator over I2C to the frequencies of the selector code.
//
// It programs the chip once START_DELAY_CYCLES after reset and again at every rising edge
// of iStart (debounced over DEBOUNCE_CYCLES; iStart may come straight from a push-button).
// A start while the chip is being programmed makes the controller program it once more
// when the current run ends, with the code as it is then.
//
// iPLL_OUT_FREQ_SEL: a setting of si5340b_freq_prameter_selector (codes and frequencies
// are listed there).
//
// oPLL_REG_CONFIG_DONE is low from each start until the chip has been programmed, then
// high. oPLL_I2C_ID_READ_ERROR goes high when a run stops because the chip did not answer
// as an Si5340 (no acknowledge, or another device number); a new start tries again.
// The register sequence is described in si5340b_i2c_reg_controller.
//
// I2C: the 50 MHz clock is divided by 2 * I2C_DIVIDER (128) for the bit timing: SCL runs
// at 97.7 kHz, driven push-pull; I2C_DATA is open drain and needs the board's pull-up.
//
// Files: si5340b_controller, si5340b_i2c_reg_controller, si5340b_freq_prameter_selector,
// initial_config, edge_detector, clock_divider, i2c_bus_controller.

module si5340b_controller #(
    parameter       START_DELAY_CYCLES = 2097152,  // 42 ms at 50 MHz, 1 to 2^24
    parameter       DEBOUNCE_CYCLES    = 1000000,  // 20 ms at 50 MHz, 1 to 2^24 - 1
    parameter       I2C_DIVIDER        = 64,       // half a quarter-bit, in iCLK cycles
    parameter [6:0] SLAVE_ADDR         = 7'h74     // address pins A1 = A0 = 0
) (
    input  wire       iCLK,                // 50 MHz
    input  wire       iRST_n,
    input  wire       iStart,
    input  wire [3:0] iPLL_OUT_FREQ_SEL,
    output wire       I2C_CLK,
    inout  wire       I2C_DATA,
    output wire       oPLL_I2C_ID_READ_ERROR,
    output wire       oPLL_REG_CONFIG_DONE
);

    wire        power_up_start;
    wire        button_start;
    wire        start = power_up_start | button_start;
    wire        bus_clk;
    wire        tick;
    wire [7:0]  step;
    wire [10:0] op;
    wire        bus_done;
    wire        bus_fail;
    wire        sda_low;

    initial_config #(
        .DELAY_CYCLES(START_DELAY_CYCLES)
    ) power_up (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .oSTART(power_up_start)
    );

    edge_detector #(
        .DEBOUNCE_CYCLES(DEBOUNCE_CYCLES)
    ) button (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iSIGNAL(iStart),
        .oRISE(button_start)
    );

    clock_divider #(
        .DIVIDER(I2C_DIVIDER)
    ) bus_clock (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .oCLK(bus_clk)
    );

    edge_detector #(
        .DEBOUNCE_CYCLES(1)
    ) bus_ticks (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iSIGNAL(bus_clk),
        .oRISE(tick)
    );

    si5340b_i2c_reg_controller #(
        .SEL_WIDTH(4),
        .SLAVE_ADDR(SLAVE_ADDR)
    ) registers (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iSTART(start),
        .iPLL_OUT_FREQ_SEL(iPLL_OUT_FREQ_SEL),
        .iSTEP(step),
        .oOP(op),
        .iBUS_DONE(bus_done),
        .iBUS_FAIL(bus_fail),
        .oCONFIG_DONE(oPLL_REG_CONFIG_DONE),
        .oID_ERROR(oPLL_I2C_ID_READ_ERROR)
    );

    i2c_bus_controller bus (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iTICK(tick),
        .iGO(start),
        .oSTEP(step),
        .iOP(op),
        .oDONE(bus_done),
        .oFAIL(bus_fail),
        .oSCL(I2C_CLK),
        .oSDA_LOW(sda_low),
        .iSDA(I2C_DATA)
    );

    assign I2C_DATA = sda_low ? 1'b0 : 1'bz;

endmodule
