// Test bench of I2C_CDCM6208_Config and its I2C_CDCM6208_Controller: a model of the
// CDCM6208 on the I2C bus (7-bit address 0x54, 16-bit register address, 16-bit data)
// records every register write. For each frequency select and disable code the bench
// checks the order of the writes and the done flag and prints them as WRITE lines, which
// the test decodes with the chip's frequency plan.
// Prints WRITE and PASS/FAIL lines and END.

module I2C_CDCM6208_Config_tb;

    localparam POWER_UP_CYCLES = 20;

    reg        clk = 1'b0;
    reg        rst_n = 1'b0;
    reg  [1:0] select = 2'd0;
    reg  [5:0] disable_bits = 6'd0;
    wire       scl;
    wire       sda;
    wire       done;

    integer failures = 0;

    always #10 clk = ~clk;

    // a quarter of the I2C clock is one system clock
    I2C_CDCM6208_Config #(
        .CLK_Freq(50_000_000),
        .I2C_Freq(12_500_000),
        .POWER_UP_CYCLES(POWER_UP_CYCLES)
    ) dut (
        .iCLK(clk),
        .iRST_N(rst_n),
        .iFREQ_SELECT(select),
        .iFREQ_DISABLE(disable_bits),
        .I2C_SCLK(scl),
        .I2C_SDAT(sda),
        .I2C_DONE(done)
    );

    // ---- model of the CDCM6208 ---------------------------------------------------------
    pullup (sda);

    reg       ack_drive = 1'b0;
    assign sda = ack_drive ? 1'b0 : 1'bz;

    reg        active = 1'b0;
    reg        addressed = 1'b0;
    integer    bit_count = 0;
    integer    byte_index = 0;
    reg [7:0]  shift = 8'd0;
    reg [31:0] frame = 32'd0;     // register address and data of the current write
    integer    nack_left = 0;
    integer    starts = 0;
    integer    stops = 0;
    integer    foreign = 0;
    integer    short_frames = 0;
    integer    written_while_done = 0;

    reg [15:0] log_reg  [0:31];
    reg [15:0] log_data [0:31];
    integer    log_count = 0;

    always @(negedge sda) begin
        if (scl === 1'b1) begin  // START
            active = 1'b1;
            addressed = 1'b0;
            bit_count = 0;
            byte_index = 0;
            starts = starts + 1;
        end
    end

    always @(posedge sda) begin
        if (scl === 1'b1 && active) begin  // STOP: a complete write is logged
            active = 1'b0;
            stops = stops + 1;
            if (addressed) begin
                if (byte_index != 5) begin
                    short_frames = short_frames + 1;
                end else begin
                    if (log_count < 32) begin
                        log_reg[log_count] = frame[31:16];
                        log_data[log_count] = frame[15:0];
                    end
                    log_count = log_count + 1;
                    if (done === 1'b1) written_while_done = written_while_done + 1;
                end
            end
        end
    end

    always @(posedge scl) begin
        if (active) begin
            if (bit_count < 8) begin
                shift = {shift[6:0], sda === 1'b1};
                bit_count = bit_count + 1;
            end else begin
                bit_count = 0;
            end
        end
    end

    always @(negedge scl) begin
        ack_drive = 1'b0;
        if (active && bit_count == 8) begin
            if (byte_index == 0) begin
                if (shift != {7'h54, 1'b0}) begin
                    foreign = foreign + 1;
                end else if (nack_left > 0) begin
                    nack_left = nack_left - 1;
                end else begin
                    addressed = 1'b1;
                    ack_drive = 1'b1;
                end
            end else if (addressed) begin
                frame = {frame[23:0], shift};
                ack_drive = 1'b1;
            end
            byte_index = byte_index + 1;
        end
    end

    `include "bench_tasks.vh"

    // resets with the codes, runs until done; ok when R3 is written first with RESETN_SW
    // low, then R0 to R2 and R4 to R12 in order, then R3 again with RESETN_SW high, each
    // write complete, nothing while or after done shows
    task run;
        input  [1:0] sel;
        input  [5:0] dis;
        input  integer nacks;
        input  integer print;
        output       ok;
        integer i;
        begin
            rst_n = 1'b0;
            select = sel;
            disable_bits = dis;
            wait_cycles(3);
            log_count = 0;
            starts = 0;
            stops = 0;
            foreign = 0;
            short_frames = 0;
            written_while_done = 0;
            nack_left = nacks;
            ok = (done === 1'b0 && scl === 1'b1 && sda === 1'b1);
            @(negedge clk) rst_n = 1'b1;
            for (i = 0; i < 200000 && done !== 1'b1; i = i + 1) @(posedge clk);
            wait_cycles(200);
            if (log_count != 14 || starts != 14 + nacks || stops != starts || foreign != 0 || short_frames != 0 ||
                written_while_done != 0 || done !== 1'b1 || nack_left != 0)
                ok = 1'b0;
            for (i = 0; i < log_count && i < 32; i = i + 1) begin
                if (print) $display("WRITE sel=%0d dis=%0d reg=%0d data=%0d", sel, dis, log_reg[i], log_data[i]);
                if (log_reg[i] !== (i == 0 || i == 13 ? 16'd3 : i <= 3 ? i - 1 : i))
                    ok = 1'b0;
            end
            if (log_count == 14 && (log_data[0][6] !== 1'b0 || log_data[13][6] !== 1'b1 ||
                                    log_data[0][5:0] !== log_data[13][5:0] ||
                                    log_data[0][15:8] !== log_data[13][15:8]))
                ok = 1'b0;
        end
    endtask

    integer s;
    integer d;
    reg     ok;
    reg     all_ok;

    initial begin
        all_ok = 1'b1;
        for (s = 0; s < 4; s = s + 1)
            for (d = 0; d < 64; d = d + 1) begin
                run(s, d, 0, 1, ok);
                if (!ok) begin
                    $display("FAIL select %0d disable %0d: %0d writes, %0d starts, %0d stops", s, d, log_count,
                             starts, stops);
                    all_ok = 1'b0;
                end
            end
        check(all_ok, "register writes of every code");

        run(2'd1, 6'd4, 3, 0, ok);
        check(ok, "refused address bytes are retried");

        // a reset during the writes stops the bus; the next run starts over from R3
        rst_n = 1'b0;
        select = 2'd2;
        wait_cycles(3);
        @(negedge clk) rst_n = 1'b1;
        wait (log_count >= 4);
        rst_n = 1'b0;
        wait_cycles(3);
        check(done === 1'b0 && scl === 1'b1 && sda === 1'b1, "reset releases the bus");
        run(2'd2, 6'd0, 0, 0, ok);
        check(ok, "full sequence after a reset");

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
