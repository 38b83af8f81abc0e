// Test bench of CDCM6100x_Config: for every 4-bit code, the levels on the chip's control
// pins when its reset is released, and the reset sequence around them.
// Prints one PINS line per code, PASS/FAIL lines and END.

module CDCM6100x_Config_tb;

    localparam RESET_CYCLES = 8;

    reg        clk = 1'b0;
    reg        recal_n = 1'b0;
    reg  [3:0] desired_freq = 4'd0;
    wire       ce;
    wire [2:0] od;
    wire [1:0] os;
    wire [1:0] pr;
    wire       rst_n;

    integer failures = 0;

    always #10 clk = ~clk;

    CDCM6100x_Config #(.RESET_CYCLES(RESET_CYCLES)) dut (
        .clk_50m(clk),
        .recal_n(recal_n),
        .desired_freq(desired_freq),
        .CLK_CE(ce),
        .CLK_OD(od),
        .CLK_OS(os),
        .CLK_PR(pr),
        .CLK_RST_n(rst_n)
    );

    // documented levels: {PR1:PR0, OD2:OD0} per code
    function [4:0] expected;
        input [3:0] code;
        begin
            case (code)
                4'd0:    expected = {2'b10, 3'b101};
                4'd1:    expected = {2'b00, 3'b101};
                4'd2:    expected = {2'b00, 3'b100};
                4'd3:    expected = {2'b10, 3'b011};
                4'd5:    expected = {2'b11, 3'b011};
                4'd6:    expected = {2'b01, 3'b001};
                4'd7:    expected = {2'b00, 3'b010};
                4'd8:    expected = {2'b10, 3'b001};
                4'd9:    expected = {2'b11, 3'b001};
                4'd10:   expected = {2'b11, 3'b000};
                default: expected = {2'b00, 3'b011};
            endcase
        end
    endfunction

    // the chip latches its pins when reset is released: they must have settled by then
    time last_pin_change = 0;
    time rise_time = 0;
    reg  settled = 1'b1;
    integer rises = 0;

    always @(ce or od or os or pr) last_pin_change = $time;

    always @(posedge rst_n) begin
        rises = rises + 1;
        rise_time = $time;
        if ($time - last_pin_change < RESET_CYCLES * 20 - 40 || ce !== 1'b1) settled = 1'b0;
    end

    `include "bench_tasks.vh"

    integer code;
    integer start_rises;
    reg     all_levels;
    reg     all_resets;
    time    release_time;

    initial begin
        all_levels = 1'b1;
        all_resets = 1'b1;
        for (code = 0; code < 16; code = code + 1) begin
            recal_n = 1'b0;
            desired_freq = code;
            wait_cycles(3);
            if (ce !== 1'b0 || rst_n !== 1'b0) all_resets = 1'b0;
            @(negedge clk) recal_n = 1'b1;
            release_time = $time;
            start_rises = rises;
            wait_cycles(2);
            if (rst_n !== 1'b0) all_resets = 1'b0;  // held in reset while the pins settle
            wait_cycles(RESET_CYCLES + 4);
            if (rises != start_rises + 1 || rise_time - release_time < (RESET_CYCLES - 1) * 20)
                all_resets = 1'b0;
            $display("PINS code=%0d CE=%b PR=%b OD=%b OS=%b RST_n=%b", code, ce, pr, od, os, rst_n);
            if ({pr, od} !== expected(code) || os !== 2'b01 || ce !== 1'b1 || rst_n !== 1'b1)
                all_levels = 1'b0;
        end
        check(all_levels, "pin levels of every code");
        check(all_resets, "reset held low after recal_n, then released once");

        // a new code without recal_n: the chip is reset again with the new levels
        desired_freq = 4'd9;
        start_rises = rises;
        wait_cycles(2);
        check(rst_n === 1'b0, "changed code resets the chip");
        wait_cycles(RESET_CYCLES + 4);
        check(rises == start_rises + 1 && rst_n === 1'b1 && {pr, od} === expected(4'd9),
              "changed code applied after the reset");
        wait_cycles(3 * RESET_CYCLES);
        check(rises == start_rises + 1, "steady code: no further reset");
        check(settled, "pins settled before every reset release");

        if (failures == 0) $display("END ok");
        else $display("END failures=%0d", failures);
        $finish;
    end

    initial begin
        #1000000;
        $display("FAIL timeout");
        $display("END timeout");
        $finish;
    end

endmodule
