// Test bench of si5340a_controller and its companion modules: a model of the Si5340 on
// the I2C bus records every register write. Each run of the controller is printed as a
// CODES line (the four selector codes) and REG lines (the writes), which the test decodes
// into output frequencies. The bench itself checks when runs start and what the
// controller reports. Prints CODES, REG and PASS/FAIL lines and END.

module si5340a_controller_tb;

    localparam START_DELAY = 3000;
    localparam DEBOUNCE    = 40;

    reg        clk = 1'b0;
    reg        rst_n = 1'b0;
    reg        start = 1'b0;
    reg  [2:0] sel0 = 3'd0, sel1 = 3'd0, sel2 = 3'd0, sel3 = 3'd0;
    wire       scl;
    wire       sda;
    wire       id_error;
    wire       done;

    integer failures = 0;
    integer run = 0;

    always #10 clk = ~clk;

    si5340a_controller #(
        .START_DELAY_CYCLES(START_DELAY),
        .DEBOUNCE_CYCLES(DEBOUNCE),
        .I2C_DIVIDER(2)
    ) dut (
        .iCLK(clk),
        .iRST_n(rst_n),
        .iStart(start),
        .iPLL_OUT0_FREQ_SEL(sel0),
        .iPLL_OUT1_FREQ_SEL(sel1),
        .iPLL_OUT2_FREQ_SEL(sel2),
        .iPLL_OUT3_FREQ_SEL(sel3),
        .I2C_CLK(scl),
        .I2C_DATA(sda),
        .oPLL_I2C_ID_READ_ERROR(id_error),
        .oPLL_REG_CONFIG_DONE(done)
    );

    pullup (sda);

    `include "si5340_model.vh"
    `include "bench_tasks.vh"

    localparam RUN_LIMIT = 100000;  // cycles; a run takes about 15000

    task set_codes;
        input integer r;
        begin
            sel0 = r % 8;
            sel1 = (r + 1) % 8;
            sel2 = (r + 2) % 8;
            sel3 = (r + 3) % 8;
        end
    endtask

    // waits until the controller reports done or an error; ok when it did within the limit
    task wait_result;
        output ok;
        integer i;
        begin
            for (i = 0; i < RUN_LIMIT && done !== 1'b1 && id_error !== 1'b1; i = i + 1) @(posedge clk);
            ok = (done === 1'b1 || id_error === 1'b1);
        end
    endtask

    // presses the start input for `cycles` cycles
    task press;
        input integer cycles;
        begin
            @(negedge clk) start = 1'b1;
            wait_cycles(cycles);
            @(negedge clk) start = 1'b0;
        end
    endtask

    // a run started by iStart with the codes of run r; ok when it programmed the chip
    task button_run;
        input  integer r;
        output ok;
        reg    finished;
        begin
            run = r;
            set_codes(r);
            clear_counts;
            if (print_writes) $display("CODES run=%0d sel=%0d,%0d,%0d,%0d", r, sel0, sel1, sel2, sel3);
            press(DEBOUNCE + 20);
            ok = (done === 1'b0);  // went low with the start
            wait_result(finished);
            wait_cycles(500);      // nothing may follow
            ok = ok && finished && done === 1'b1 && id_error === 1'b0 && writes == 49 &&
                 id_reads == 2 && writes_before_id == 0 && starts == stops + 1 && !active &&
                 scl === 1'b1 && sda === 1'b1;
            if (!ok)
                $display("FAIL run %0d: done=%b error=%b writes=%0d id_reads=%0d starts=%0d stops=%0d",
                         r, done, id_error, writes, id_reads, starts, stops);
        end
    endtask

    integer r;
    reg     ok;
    reg     all_ok;
    time    released;

    initial begin
        // start after reset, without iStart
        print_writes = 1'b1;
        set_codes(0);
        $display("CODES run=0 sel=%0d,%0d,%0d,%0d", sel0, sel1, sel2, sel3);
        wait_cycles(5);
        check(scl === 1'b1 && sda === 1'b1 && done === 1'b0 && id_error === 1'b0, "lines released during reset");
        @(negedge clk) rst_n = 1'b1;
        released = $time;
        wait_cycles(START_DELAY - 10);
        check(starts == 0, "no bus activity during the start delay");
        wait_result(ok);
        check(ok && done === 1'b1 && id_error === 1'b0 && writes == 49 && id_reads == 2 &&
              writes_before_id == 0 && first_start - released >= START_DELAY * 20 &&
              first_start - released < (START_DELAY + 200) * 20, "programs once after the start delay");
        wait_cycles(3 * START_DELAY);
        check(writes == 49, "no further run without a start");

        // every code on every output, one run per rising edge of iStart
        all_ok = 1'b1;
        for (r = 1; r < 8; r = r + 1) begin
            button_run(r, ok);
            all_ok = all_ok && ok;
        end
        check(all_ok, "each rising iStart programs the codes");
        print_writes = 1'b0;

        // held and bouncing inputs
        clear_counts;
        press(DEBOUNCE / 2);
        wait_cycles(200);
        press(DEBOUNCE - 5);
        wait_cycles(2000);
        check(starts == 0 && done === 1'b1, "pulses shorter than the debounce time are ignored");
        button_run(8, ok);
        clear_counts;
        press(20 * DEBOUNCE);
        wait_cycles(100);
        wait_result(ok);
        wait_cycles(500);
        check(ok && writes == 49, "a held iStart programs once");

        // a start during a run: the run ends, then the new codes are written
        print_writes = 1'b1;
        run = 9;
        set_codes(9);
        clear_counts;
        press(DEBOUNCE + 5);
        wait (writes == 10);
        set_codes(13);
        $display("CODES run=9 sel=%0d,%0d,%0d,%0d", sel0, sel1, sel2, sel3);
        press(DEBOUNCE + 5);
        wait_result(ok);
        wait_cycles(500);
        check(ok && done === 1'b1 && writes == 98, "a start during a run programs again after it");
        print_writes = 1'b0;

        // the chip does not answer as an Si5340
        id_high = 8'h41;  // an Si5341
        clear_counts;
        press(DEBOUNCE + 5);
        wait_result(ok);
        wait_cycles(500);
        check(ok && id_error === 1'b1 && done === 1'b0 && writes == 0 && stops == 2 && scl === 1'b1 &&
              sda === 1'b1, "another device number: error, nothing written");
        id_high = 8'h53;
        answering = 1'b0;
        clear_counts;
        press(DEBOUNCE + 5);
        wait_result(ok);
        wait_cycles(500);
        check(ok && id_error === 1'b1 && done === 1'b0 && writes == 0 && stops == 1,
              "no acknowledge: error, bus released");
        answering = 1'b1;
        button_run(11, ok);
        check(ok, "a new start after an error programs the chip");

        // a reset during a run stops it; the start after reset follows
        clear_counts;
        press(DEBOUNCE + 5);
        wait (writes == 5);
        @(negedge clk) rst_n = 1'b0;
        wait_cycles(3);
        check(scl === 1'b1 && sda === 1'b1 && done === 1'b0 && id_error === 1'b0, "reset stops a run");
        clear_counts;
        @(negedge clk) rst_n = 1'b1;
        released = $time;
        wait_result(ok);
        check(ok && done === 1'b1 && writes == 49 && first_start - released >= START_DELAY * 20,
              "programs again after the start delay");

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
