// Test bench of ext_pll_ctrl: a model of the PLL controller on the two-wire link records
// every frame; the bench checks what it received and what the module reports.
// Prints PASS/FAIL lines and END.

module ext_pll_ctrl_tb;

    reg        clk = 1'b0;
    reg        rstn = 1'b0;
    reg  [3:0] set1 = 4'd0;
    reg  [3:0] set2 = 4'd0;
    reg  [3:0] set3 = 4'd0;
    reg        conf_wr = 1'b0;
    reg        conf_rd = 1'b0;
    wire [3:0] rd1;
    wire [3:0] rd2;
    wire [3:0] rd3;
    wire       conf_ready;
    wire       sclk;
    wire       sdat;

    integer failures = 0;

    always #10 clk = ~clk;

    ext_pll_ctrl #(.SCLK_QUARTER(4)) dut (
        .osc_50(clk), .rstn(rstn),
        .clk1_set_wr(set1), .clk1_set_rd(rd1),
        .clk2_set_wr(set2), .clk2_set_rd(rd2),
        .clk3_set_wr(set3), .clk3_set_rd(rd3),
        .conf_wr(conf_wr), .conf_rd(conf_rd),
        .conf_ready(conf_ready),
        .max_sclk(sclk), .max_sdat(sdat)
    );

    // ---- model of the PLL controller ----------------------------------------------
    pullup (sdat);

    reg        slave_drive = 1'b0;   // drives sdat low or high while sending read data
    reg        slave_level = 1'b1;
    assign sdat = slave_drive ? slave_level : 1'bz;

    reg        in_frame = 1'b0;
    reg        is_read = 1'b0;
    integer    bits = 0;
    reg [12:0] frame = 13'd0;
    reg [11:0] applied = 12'hABC;    // codes the controller holds
    integer    writes = 0;           // complete write frames
    integer    reads = 0;            // complete read frames
    integer    bad_frames = 0;       // frames of the wrong length
    integer    ready_at_start = 0;   // frames that began while conf_ready was high

    always @(negedge sdat) begin
        if (sclk === 1'b1) begin
            if (in_frame) bad_frames = bad_frames + 1;  // START inside a frame
            in_frame = 1'b1;
            bits = 0;
            is_read = 1'b0;
            frame = 13'd0;
            if (conf_ready === 1'b1) ready_at_start = ready_at_start + 1;
        end
    end

    always @(posedge sdat) begin
        if (sclk === 1'b1 && in_frame) begin
            in_frame = 1'b0;
            // 13 bits, then the rising edge of max_sclk that comes before STOP
            if (bits != 14) begin
                bad_frames = bad_frames + 1;
            end else if (frame[12] == 1'b0) begin
                applied = frame[11:0];
                writes = writes + 1;
            end else begin
                reads = reads + 1;
            end
        end
    end

    always @(posedge sclk) begin
        if (in_frame) begin
            if (bits < 13) frame = {frame[11:0], sdat === 1'b1};
            bits = bits + 1;
        end
    end

    // read frame: reply bit n goes out after the falling edge before rising edge n + 1
    always @(negedge sclk) begin
        if (in_frame && frame[0] === 1'b1 && bits == 1) is_read = 1'b1;
        if (in_frame && is_read && bits >= 1 && bits <= 12) begin
            slave_drive = 1'b1;
            slave_level = applied[12 - bits];
        end else begin
            slave_drive = 1'b0;
        end
    end

    // ---- helpers ----------------------------------------------------------------------
    `include "bench_tasks.vh"

    // waits until conf_ready is high, at most `limit` cycles; 1 when it came
    task wait_ready;
        input  integer limit;
        output         came;
        integer i;
        begin
            came = 1'b0;
            for (i = 0; i < limit && !came; i = i + 1) begin
                @(posedge clk);
                if (conf_ready === 1'b1) came = 1'b1;
            end
        end
    endtask

    reg came;

    initial begin
        wait_cycles(5);
        rstn = 1'b1;

        // no request: quiet link, not ready
        set1 = 4'd7; set2 = 4'd12; set3 = 4'd0;
        wait_cycles(600);
        check(writes == 0 && reads == 0 && !in_frame && conf_ready === 1'b0 &&
              sclk === 1'b1 && sdat === 1'b1, "idle after reset");

        // conf_wr rises and stays high: one write frame with the three codes
        conf_wr = 1'b1;
        wait_ready(1000, came);
        check(came && writes == 1 && applied == {4'd7, 4'd12, 4'd0}, "write frame sends the codes");
        wait_cycles(1000);
        check(writes == 1 && conf_ready === 1'b1, "held conf_wr sends once, ready stays high");
        set1 = 4'd3;
        wait_cycles(500);
        check(writes == 1 && applied == {4'd7, 4'd12, 4'd0}, "changed codes wait for the next edge");

        // a second rising edge sends the new codes; ready is low during the frame
        conf_wr = 1'b0;
        set1 = 4'd2; set2 = 4'd15; set3 = 4'd9;
        @(posedge clk); conf_wr = 1'b1;
        @(posedge clk); conf_wr = 1'b0;
        set1 = 4'd1; set2 = 4'd1; set3 = 4'd1;  // latched at the edge: no effect
        wait_cycles(10);
        wait_ready(1000, came);
        check(came && writes == 2 && applied == {4'd2, 4'd15, 4'd9} && ready_at_start == 0,
              "second edge sends the latched codes");

        // read back
        @(posedge clk); conf_rd = 1'b1;
        @(posedge clk); conf_rd = 1'b0;
        wait_cycles(10);
        wait_ready(1000, came);
        check(came && reads == 1 && rd1 == 4'd2 && rd2 == 4'd15 && rd3 == 4'd9,
              "read frame returns the codes");

        // write and read requested together: write first, then read it back
        set1 = 4'd11; set2 = 4'd5; set3 = 4'd4;
        @(posedge clk); conf_wr = 1'b1; conf_rd = 1'b1;
        @(posedge clk); conf_rd = 1'b0;
        wait_cycles(10);
        wait_ready(1000, came);
        wait_cycles(10);
        wait_ready(1000, came);
        check(came && writes == 3 && reads == 2 && applied == {4'd11, 4'd5, 4'd4} &&
              rd1 == 4'd11 && rd2 == 4'd5 && rd3 == 4'd4, "write before read");
        check(bad_frames == 0 && ready_at_start == 0, "every frame well formed");

        // reset clears ready and the read-back codes
        rstn = 1'b0;
        wait_cycles(2);
        check(conf_ready === 1'b0 && rd1 == 4'd0 && sclk === 1'b1 && sdat === 1'b1, "reset");

        if (failures == 0) $display("END ok");
        else $display("END failures=%0d", failures);
        $finish;
    end

    initial begin
        #10000000;
        $display("FAIL timeout");
        $display("END timeout");
        $finish;
    end

endmodule
