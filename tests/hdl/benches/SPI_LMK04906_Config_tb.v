// Test bench of SPI_LMK04906_Config: a model of the LMK04906's MICROWIRE port records
// every word the chip would load. For each of the sixteen select codes the bench checks
// that every word is complete and that the set starts with the reset and ends with R30,
// and prints the words as WORD lines, which the test decodes with the chip's frequency plan.
// Prints WORD and PASS/FAIL lines and END.

module SPI_LMK04906_Config_tb;

    reg        clk = 1'b0;
    reg        rst_n = 1'b0;
    reg  [3:0] select = 4'd0;
    wire       spi_clk;
    wire       spi_data;
    wire       spi_le;
    wire       done;

    integer failures = 0;

    always #10 clk = ~clk;

    SPI_LMK04906_Config #(
        .HALF_PERIOD(1),
        .POWER_UP_CYCLES(20)
    ) dut (
        .clk50(clk),
        .rst_n(rst_n),
        .iFREQ_SELECT(select),
        .LMK04906_CLK(spi_clk),
        .LMK04906_DATAIN(spi_data),
        .LMK04906_LE(spi_le),
        .SPI_DONE(done)
    );

    // ---- model of the LMK04906's MICROWIRE port -----------------------------------------
    reg [31:0] shift = 32'd0;
    integer    bits = 0;
    integer    partial = 0;             // latches after other than 32 bits
    integer    clocked_while_latch = 0; // clock edges while LE is high
    integer    written_while_done = 0;
    reg [31:0] log_word [0:31];
    integer    log_count = 0;

    always @(posedge spi_clk) begin
        if (spi_le === 1'b1) clocked_while_latch = clocked_while_latch + 1;
        shift = {shift[30:0], spi_data === 1'b1};
        bits = bits + 1;
    end

    always @(posedge spi_le) begin
        if (bits != 32) begin
            partial = partial + 1;
        end else begin
            if (log_count < 32) log_word[log_count] = shift;
            log_count = log_count + 1;
            if (done === 1'b1) written_while_done = written_while_done + 1;
        end
        bits = 0;
    end

    `include "bench_tasks.vh"

    task run;
        input  [3:0] sel;
        input  integer print;
        output       ok;
        integer i;
        begin
            rst_n = 1'b0;
            select = sel;
            wait_cycles(3);
            log_count = 0;
            bits = 0;
            partial = 0;
            clocked_while_latch = 0;
            written_while_done = 0;
            ok = (done === 1'b0 && spi_le === 1'b0 && spi_clk === 1'b0);
            @(negedge clk) rst_n = 1'b1;
            for (i = 0; i < 100000 && done !== 1'b1; i = i + 1) @(posedge clk);
            wait_cycles(100);
            if (log_count != 13 || partial != 0 || clocked_while_latch != 0 || written_while_done != 0 ||
                done !== 1'b1 || bits != 0)
                ok = 1'b0;
            for (i = 0; i < log_count && i < 32; i = i + 1)
                if (print) $display("WORD sel=%0d data=%0d", sel, log_word[i]);
            // the reset first, the calibration-starting R30 last
            if (log_count == 13 && (log_word[0] !== 32'h0002_0000 || log_word[12][4:0] !== 5'd30))
                ok = 1'b0;
        end
    endtask

    integer s;
    reg     ok;
    reg     all_ok;

    initial begin
        all_ok = 1'b1;
        for (s = 0; s < 16; s = s + 1) begin
            run(s, 1, ok);
            if (!ok) begin
                $display("FAIL select %0d: %0d words, %0d partial", s, log_count, partial);
                all_ok = 1'b0;
            end
        end
        check(all_ok, "words of every select code");

        // a reset during the words stops the interface; the next run starts from the reset word
        rst_n = 1'b0;
        select = 4'd5;
        wait_cycles(3);
        @(negedge clk) rst_n = 1'b1;
        wait (log_count >= 4);
        rst_n = 1'b0;
        wait_cycles(3);
        check(done === 1'b0 && spi_le === 1'b0 && spi_clk === 1'b0, "reset stops the interface");
        run(4'd9, 0, ok);
        check(ok, "full set after a reset");

        if (failures == 0) $display("END ok");
        else $display("END failures=%0d", failures);
        $finish;
    end

    initial begin
        #20000000;
        $display("FAIL timeout");
        $display("END timeout");
        $finish;
    end

endmodule
