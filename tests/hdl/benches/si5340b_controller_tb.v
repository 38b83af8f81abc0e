// Test bench of si5340b_controller and its companion modules, for a selector of WIDTH
// bits: a model of the Si5340 on the I2C bus records every register write. The chip is
// programmed after reset with code 0 and then with every code of the selector in turn,
// one run per rising edge of iStart; each run is printed as a CODE line and REG lines
// (the writes), which the test decodes into output frequencies. Prints CODE, REG and
// PASS/FAIL lines and END.

module si5340b_controller_tb;

    parameter WIDTH = 4;

    localparam START_DELAY = 3000;
    localparam DEBOUNCE    = 40;
    localparam WRITES      = 33;      // per run
    localparam RUN_LIMIT   = 100000;  // cycles; a run takes about 10000

    reg              clk = 1'b0;
    reg              rst_n = 1'b0;
    reg              start = 1'b0;
    reg  [WIDTH-1:0] sel = {WIDTH{1'b0}};
    wire             scl;
    wire             sda;
    wire             id_error;
    wire             done;

    integer failures = 0;
    integer run = 0;

    always #10 clk = ~clk;

    si5340b_controller #(
        .START_DELAY_CYCLES(START_DELAY),
        .DEBOUNCE_CYCLES(DEBOUNCE),
        .I2C_DIVIDER(2)
    ) dut (
        .iCLK(clk),
        .iRST_n(rst_n),
        .iStart(start),
        .iPLL_OUT_FREQ_SEL(sel),
        .I2C_CLK(scl),
        .I2C_DATA(sda),
        .oPLL_I2C_ID_READ_ERROR(id_error),
        .oPLL_REG_CONFIG_DONE(done)
    );

    pullup (sda);

    `include "si5340_model.vh"
    `include "bench_tasks.vh"

    task wait_result;
        output ok;
        integer i;
        begin
            for (i = 0; i < RUN_LIMIT && done !== 1'b1 && id_error !== 1'b1; i = i + 1) @(posedge clk);
            ok = (done === 1'b1 || id_error === 1'b1);
            wait_cycles(300);  // nothing may follow
        end
    endtask

    task press;
        begin
            @(negedge clk) start = 1'b1;
            wait_cycles(DEBOUNCE + 10);
            @(negedge clk) start = 1'b0;
        end
    endtask

    // ok when the last run programmed the chip completely and cleanly
    function programmed;
        input dummy;
        begin
            programmed = done === 1'b1 && id_error === 1'b0 && writes == WRITES && id_reads == 2 &&
                         writes_before_id == 0 && starts == stops + 1 && !active && scl === 1'b1 &&
                         sda === 1'b1;
        end
    endfunction

    integer code;
    reg     ok;
    reg     all_ok;
    time    released;

    initial begin
        print_writes = 1'b1;
        $display("CODE run=0 sel=0");
        wait_cycles(5);
        @(negedge clk) rst_n = 1'b1;
        released = $time;
        wait_cycles(START_DELAY - 10);
        check(starts == 0, "no bus activity during the start delay");
        wait_result(ok);
        check(ok && programmed(0) && first_start - released >= START_DELAY * 20, "programs once after the start delay");

        all_ok = 1'b1;
        for (code = 1; code <= (1 << WIDTH); code = code + 1) begin
            run = code;
            sel = code % (1 << WIDTH);  // ends with code 0 again, after a changed code
            $display("CODE run=%0d sel=%0d", run, sel);
            clear_counts;
            press;
            if (done !== 1'b0) all_ok = 1'b0;
            wait_result(ok);
            if (!ok || !programmed(0)) begin
                $display("FAIL run %0d: done=%b error=%b writes=%0d", run, done, id_error, writes);
                all_ok = 1'b0;
            end
        end
        check(all_ok, "each rising iStart programs the code");
        print_writes = 1'b0;

        id_low = 8'h41;  // an Si5341
        id_high = 8'h53;
        clear_counts;
        press;
        wait_result(ok);
        check(ok && id_error === 1'b1 && done === 1'b0 && writes == 0, "another device number: error, nothing written");
        id_low = 8'h40;
        clear_counts;
        press;
        wait_result(ok);
        check(ok && programmed(0), "a new start after an error programs the chip");

        if (failures == 0) $display("END ok");
        else $display("END failures=%0d", failures);
        $finish;
    end

    initial begin
        #200000000;
        $display("FAIL timeout");
        $display("END timeout");
        $finish;
    end

endmodule
