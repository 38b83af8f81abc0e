// Model of an Si5340 on the I2C bus (7-bit address 0x74), for the Si5340 controller
// benches. Included inside a bench module that has `scl`, `sda` (with its pull-up), `run`
// (the number printed with each write) and `rst_n`, which resets the chip as well, as the
// boards wire it.
//
// Register writes go through the page register 0x01 and the auto-incremented register
// pointer; each write of another register is counted and, while `print_writes` is set,
// printed as "REG run=<run> addr=<16-bit address> data=<byte>". Reads return the device
// number id_low, id_high at 0x0002/0x0003 (0x40, 0x53 unless a bench changes them) and
// the written value elsewhere. With `answering` cleared the model acknowledges nothing.

    reg        ack_drive = 1'b0;   // acknowledge, or a 0 bit of a byte read
    assign sda = ack_drive ? 1'b0 : 1'bz;

    reg        answering = 1'b1;
    reg        print_writes = 1'b0;
    reg  [7:0] id_low = 8'h40;
    reg  [7:0] id_high = 8'h53;

    reg  [7:0] regs [0:65535];
    reg  [7:0] page = 8'h00;
    reg  [7:0] pointer = 8'h00;

    reg        active = 1'b0;      // between START and STOP
    reg        addressed = 1'b0;   // the address byte of this transaction was ours
    reg        reading = 1'b0;     // the master reads from us
    reg        master_ack = 1'b0;
    reg        high_seen = 1'b0;   // SCL rose since the START (its fall after START is no bit)
    integer    clocks = 0;         // SCL pulses of the current byte, 0 to 9
    integer    byte_index = 0;     // bytes of this transaction, the address byte is 0
    reg  [7:0] shift = 8'h00;

    integer    starts = 0;         // STARTs and repeated STARTs
    integer    stops = 0;
    integer    writes = 0;         // bytes written to registers other than the page
    integer    id_reads = 0;       // device-number bytes read
    integer    writes_before_id = 0;
    time       first_start = 0;

    function [7:0] read_value;
        input [15:0] address;
        begin
            if (address == 16'h0002) read_value = id_low;
            else if (address == 16'h0003) read_value = id_high;
            else read_value = regs[address];
        end
    endfunction

    task clear_counts;
        begin
            starts = 0;
            stops = 0;
            writes = 0;
            id_reads = 0;
            writes_before_id = 0;
            first_start = 0;
        end
    endtask

    always @(negedge rst_n) begin
        active = 1'b0;
        reading = 1'b0;
        ack_drive = 1'b0;
        page = 8'h00;
    end

    always @(negedge sda) begin
        if (scl === 1'b1) begin  // START or repeated START
            active = 1'b1;
            addressed = 1'b0;
            reading = 1'b0;
            high_seen = 1'b0;
            clocks = 0;
            byte_index = 0;
            ack_drive = 1'b0;
            if (starts == 0) first_start = $time;
            starts = starts + 1;
        end
    end

    always @(posedge sda) begin
        if (scl === 1'b1 && active) begin  // STOP
            active = 1'b0;
            reading = 1'b0;
            stops = stops + 1;
        end
    end

    always @(posedge scl) begin
        if (active) begin
            high_seen = 1'b1;
            if (!reading && clocks < 8) shift = {shift[6:0], sda === 1'b1};
            if (reading && clocks == 8) master_ack = (sda === 1'b0);
        end
    end

    always @(negedge scl) begin
        if (active && high_seen) begin
            clocks = clocks + 1;
            if (clocks == 8 && !reading) begin  // a byte came in: acknowledge it?
                if (byte_index == 0) begin
                    addressed = answering && shift[7:1] == 7'h74;
                end else if (addressed) begin
                    if (byte_index == 1) begin
                        pointer = shift;
                    end else if (pointer == 8'h01) begin
                        page = shift;
                    end else begin
                        regs[{page, pointer}] = shift;
                        writes = writes + 1;
                        if (id_reads < 2) writes_before_id = writes_before_id + 1;
                        if (print_writes)
                            $display("REG run=%0d addr=%0d data=%0d", run, {page, pointer}, shift);
                        pointer = pointer + 8'd1;
                    end
                end
                ack_drive = addressed;
            end else if (clocks == 8) begin  // let the master acknowledge
                ack_drive = 1'b0;
            end else if (clocks == 9) begin  // next byte
                clocks = 0;
                ack_drive = 1'b0;
                if (byte_index == 0 && addressed && shift[0]) reading = 1'b1;
                else if (reading && !master_ack) reading = 1'b0;  // the master is done
                byte_index = byte_index + 1;
                if (reading) begin
                    shift = read_value({page, pointer});
                    if ({page, pointer} == 16'h0002 || {page, pointer} == 16'h0003) id_reads = id_reads + 1;
                    pointer = pointer + 8'd1;
                    ack_drive = ~shift[7];
                end
            end else if (reading) begin
                ack_drive = ~shift[7 - clocks];
            end
        end
    end
