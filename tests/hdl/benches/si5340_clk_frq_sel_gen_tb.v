// Test bench of the selector-code generators si5340a_clk_frq_sel_gen and
// si5340b_clk_frq_sel_gen (the module is named by the macro SEL_GEN), whose default code
// has WIDTH bits and FREQ_NUM values: each debounced press moves the code on by one and
// wraps to 0, and raises oCHANGE_FREQ for PULSE cycles. Prints PASS/FAIL lines and END.

module si5340_clk_frq_sel_gen_tb;

    parameter WIDTH    = 3;
    parameter FREQ_NUM = 8;

    localparam DEBOUNCE = 30;
    localparam PULSE    = 100;

    reg              clk = 1'b0;
    reg              rst_n = 1'b0;
    reg              change = 1'b0;
    wire [WIDTH-1:0] code;
    wire             pulse;

    integer failures = 0;

    always #10 clk = ~clk;

    `SEL_GEN #(
        .DEBOUNCE_CYCLES(DEBOUNCE),
        .PULSE_CYCLES(PULSE)
    ) dut (
        .iCLK(clk),
        .iRST_n(rst_n),
        .iCHANGE(change),
        .oCLK_FEQ_SEL(code),
        .oCHANGE_FREQ(pulse)
    );

    `include "bench_tasks.vh"

    // presses for `cycles`, then measures how long oCHANGE_FREQ stays high
    task press;
        input  integer cycles;
        output integer high;
        begin
            high = 0;
            @(negedge clk) change = 1'b1;
            repeat (cycles) begin
                @(posedge clk);
                if (pulse === 1'b1) high = high + 1;
            end
            @(negedge clk) change = 1'b0;
            repeat (2 * PULSE) begin
                @(posedge clk);
                if (pulse === 1'b1) high = high + 1;
            end
        end
    endtask

    integer i;
    integer high;
    reg     steps_ok;
    reg     pulses_ok;

    initial begin
        wait_cycles(3);
        @(negedge clk) rst_n = 1'b1;
        wait_cycles(2 * DEBOUNCE);
        check(code === 0 && pulse === 1'b0, "code 0 after reset");

        steps_ok = 1'b1;
        pulses_ok = 1'b1;
        for (i = 1; i <= FREQ_NUM; i = i + 1) begin
            press(DEBOUNCE + 10, high);
            if (code !== i % FREQ_NUM) steps_ok = 1'b0;
            if (high != PULSE) pulses_ok = 1'b0;
        end
        check(steps_ok, "each press moves the code on, the last back to 0");
        check(pulses_ok, "each press raises oCHANGE_FREQ for the pulse time");

        press(DEBOUNCE / 2, high);
        check(code === 0 && high == 0, "a short pulse changes nothing");
        press(10 * DEBOUNCE, high);
        check(code === 1 && high == PULSE, "a held press counts once");

        if (failures == 0) $display("END ok");
        else $display("END failures=%0d", failures);
        $finish;
    end

endmodule
