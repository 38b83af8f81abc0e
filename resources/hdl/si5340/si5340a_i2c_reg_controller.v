// si5340a_i2c_reg_controller: the register sequence that sets the four outputs of the
// Si5340A to the frequencies of their selector codes, as a program for
// i2c_bus_controller, and the state the controller reports.
//
// Registers are 16 bits wide: the page (high byte) is chosen by writing register 0x01 of
// any page, the low byte addresses the register in the page, and multi-byte fields are
// stored least significant byte first. Consecutive bytes of one write go to consecutive
// registers. Every write is one I2C transaction
//     START, SLAVE_ADDR + write bit, register, data..., STOP.
//
// The program:
//   1. page 0; read registers 0x0002/0x0003 (device number, 0x40 0x53 for an Si5340):
//      write the register number, repeated START, SLAVE_ADDR + read bit, two bytes.
//   2. page 3; one write of the 44 registers 0x0302 to 0x032D: for each output x = 0..3,
//      Nx_NUM (6 bytes), Nx_DEN (4 bytes) and Nx_UPDATE = 0x01, which takes the new
//      divider into use (si5340a_freq_prameter_selector gives the values).
//   3. page 1; 0x0102 = 0x01 (OUTALL_DISABLE_LOW: outputs enabled); the configuration
//      register of each output, OUT0 0x0112, OUT1 0x0117, OUT2 0x0126, OUT3 0x012B:
//      0x06 (OE and RDIV_FORCE2, so R = 2) for a used output, 0x01 (PDN) for code 0.
//   4. page 0 again.
// The PLL, the routing of the N dividers to the outputs (Nx to OUTx) and the output
// formats stay as the chip's start-up configuration sets them.
//
// oCONFIG_DONE goes low at iSTART and high when the whole program has been written.
// oID_ERROR goes high when a run stops because the chip did not acknowledge a byte or did
// not read back as an Si5340; the run then writes nothing more. Both hold until the next
// iSTART.

module si5340a_i2c_reg_controller #(
    parameter [6:0] SLAVE_ADDR = 7'h74
) (
    input  wire        iCLK,
    input  wire        iRST_n,
    input  wire        iSTART,
    input  wire [2:0]  iPLL_OUT0_FREQ_SEL,
    input  wire [2:0]  iPLL_OUT1_FREQ_SEL,
    input  wire [2:0]  iPLL_OUT2_FREQ_SEL,
    input  wire [2:0]  iPLL_OUT3_FREQ_SEL,
    input  wire [7:0]  iSTEP,       // from i2c_bus_controller
    output reg  [10:0] oOP,
    input  wire        iBUS_DONE,
    input  wire        iBUS_FAIL,
    output reg         oCONFIG_DONE,
    output reg         oID_ERROR
);

    localparam [2:0] OP_END       = 3'd0;
    localparam [2:0] OP_START     = 3'd1;
    localparam [2:0] OP_WRITE     = 3'd2;
    localparam [2:0] OP_READ      = 3'd3;
    localparam [2:0] OP_READ_LAST = 3'd4;
    localparam [2:0] OP_STOP      = 3'd5;

    localparam [7:0] ADDR_WRITE = {SLAVE_ADDR, 1'b0};
    localparam [7:0] ADDR_READ  = {SLAVE_ADDR, 1'b1};

    // first step of each part of the program
    localparam [7:0] S_PAGE0    = 8'd0;
    localparam [7:0] S_ID       = 8'd5;
    localparam [7:0] S_PAGE3    = 8'd13;
    localparam [7:0] S_DIV      = 8'd18;
    localparam [7:0] S_DIV_DATA = 8'd21;
    localparam [7:0] S_DIV_STOP = 8'd65;
    localparam [7:0] S_PAGE1    = 8'd66;
    localparam [7:0] S_OUTALL   = 8'd71;
    localparam [7:0] S_OUT0     = 8'd76;
    localparam [7:0] S_OUT1     = 8'd81;
    localparam [7:0] S_OUT2     = 8'd86;
    localparam [7:0] S_OUT3     = 8'd91;
    localparam [7:0] S_BACK     = 8'd96;
    localparam [7:0] S_END      = 8'd101;

    wire [3:0]  oe;
    wire [43:0] num0, num1, num2, num3;
    wire [31:0] den0, den1, den2, den3;

    si5340a_freq_prameter_selector out0 (
        .iPLL_OUT_FREQ_SEL(iPLL_OUT0_FREQ_SEL), .OUTX_OE(oe[0]), .NX_NUM(num0), .NX_DEN(den0));
    si5340a_freq_prameter_selector out1 (
        .iPLL_OUT_FREQ_SEL(iPLL_OUT1_FREQ_SEL), .OUTX_OE(oe[1]), .NX_NUM(num1), .NX_DEN(den1));
    si5340a_freq_prameter_selector out2 (
        .iPLL_OUT_FREQ_SEL(iPLL_OUT2_FREQ_SEL), .OUTX_OE(oe[2]), .NX_NUM(num2), .NX_DEN(den2));
    si5340a_freq_prameter_selector out3 (
        .iPLL_OUT_FREQ_SEL(iPLL_OUT3_FREQ_SEL), .OUTX_OE(oe[3]), .NX_NUM(num3), .NX_DEN(den3));

    // registers 0x0302 to 0x032D, register 0x0302 in the lowest byte
    wire [351:0] dividers = {8'h01, den3, 4'h0, num3, 8'h01, den2, 4'h0, num2,
                             8'h01, den1, 4'h0, num1, 8'h01, den0, 4'h0, num0};

    wire [5:0] div_index = iSTEP[5:0] - S_DIV_DATA[5:0];  // 0 to 43 in the burst

    // op `pos` of the write START, address, register, value, STOP
    function [10:0] write_op;
        input [7:0] pos;
        input [7:0] register;
        input [7:0] value;
        begin
            case (pos)
                8'd0:    write_op = {OP_START, 8'h00};
                8'd1:    write_op = {OP_WRITE, ADDR_WRITE};
                8'd2:    write_op = {OP_WRITE, register};
                8'd3:    write_op = {OP_WRITE, value};
                default: write_op = {OP_STOP, 8'h00};
            endcase
        end
    endfunction

    // op `pos` of the read of the device number
    function [10:0] id_op;
        input [7:0] pos;
        begin
            case (pos)
                8'd0:    id_op = {OP_START, 8'h00};
                8'd1:    id_op = {OP_WRITE, ADDR_WRITE};
                8'd2:    id_op = {OP_WRITE, 8'h02};
                8'd3:    id_op = {OP_START, 8'h00};
                8'd4:    id_op = {OP_WRITE, ADDR_READ};
                8'd5:    id_op = {OP_READ, 8'h40};
                8'd6:    id_op = {OP_READ_LAST, 8'h53};
                default: id_op = {OP_STOP, 8'h00};
            endcase
        end
    endfunction

    function [7:0] out_config;
        input enabled;
        begin
            out_config = enabled ? 8'h06 : 8'h01;
        end
    endfunction

    always @(*) begin
        if (iSTEP < S_ID)
            oOP = write_op(iSTEP - S_PAGE0, 8'h01, 8'h00);
        else if (iSTEP < S_PAGE3)
            oOP = id_op(iSTEP - S_ID);
        else if (iSTEP < S_DIV)
            oOP = write_op(iSTEP - S_PAGE3, 8'h01, 8'h03);
        else if (iSTEP < S_DIV_DATA)
            oOP = write_op(iSTEP - S_DIV, 8'h02, 8'h00);  // START, address, 0x02
        else if (iSTEP < S_DIV_STOP)
            oOP = {OP_WRITE, dividers[{div_index, 3'b000} +: 8]};
        else if (iSTEP < S_PAGE1)
            oOP = {OP_STOP, 8'h00};
        else if (iSTEP < S_OUTALL)
            oOP = write_op(iSTEP - S_PAGE1, 8'h01, 8'h01);
        else if (iSTEP < S_OUT0)
            oOP = write_op(iSTEP - S_OUTALL, 8'h02, 8'h01);
        else if (iSTEP < S_OUT1)
            oOP = write_op(iSTEP - S_OUT0, 8'h12, out_config(oe[0]));
        else if (iSTEP < S_OUT2)
            oOP = write_op(iSTEP - S_OUT1, 8'h17, out_config(oe[1]));
        else if (iSTEP < S_OUT3)
            oOP = write_op(iSTEP - S_OUT2, 8'h26, out_config(oe[2]));
        else if (iSTEP < S_BACK)
            oOP = write_op(iSTEP - S_OUT3, 8'h2B, out_config(oe[3]));
        else if (iSTEP < S_END)
            oOP = write_op(iSTEP - S_BACK, 8'h01, 8'h00);
        else
            oOP = {OP_END, 8'h00};
    end

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            oCONFIG_DONE <= 1'b0;
            oID_ERROR    <= 1'b0;
        end else if (iSTART) begin
            oCONFIG_DONE <= 1'b0;
            oID_ERROR    <= 1'b0;
        end else begin
            if (iBUS_DONE) oCONFIG_DONE <= 1'b1;
            if (iBUS_FAIL) oID_ERROR    <= 1'b1;
        end
    end

endmodule
