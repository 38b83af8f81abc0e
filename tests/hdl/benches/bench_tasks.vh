// What every controller bench shares: a named check that counts failures, and waiting a
// number of clock cycles. Included inside a bench module that has `clk` and `failures`.
    task check;
        input          ok;
        input [8*64:1] name;
        begin
            if (ok) $display("PASS %0s", name);
            else begin
                $display("FAIL %0s", name);
                failures = failures + 1;
            end
        end
    endtask

    task wait_cycles;
        input integer n;
        integer i;
        begin
            for (i = 0; i < n; i = i + 1) @(posedge clk);
        end
    endtask
