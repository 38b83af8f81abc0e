// si5340b_i2c_reg_controller: the register sequence that sets the N0, N1 and N2 dividers
// of the Si5340B to the frequencies of the selector code, as a program for
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
//   2. page 3; one write of the 33 registers 0x0302 to 0x0322: for each divider
//      x = 0..2, Nx_NUM (6 bytes), Nx_DEN (4 bytes) and Nx_UPDATE = 0x01, which takes the
//      new divider into use. si5340b_freq_prameter_selector gives the numerators; every
//      denominator is DEN = 396, the common denominator of its table.
//   3. page 0 again.
// The PLL, the outputs and their R dividers (R = 2), and the routing of the N dividers to
// the outputs stay as the chip's start-up configuration sets them.
//
// oCONFIG_DONE goes low at iSTART and high when the whole program has been written.
// oID_ERROR goes high when a run stops because the chip did not acknowledge a byte or did
// not read back as an Si5340; the run then writes nothing more. Both hold until the next
// iSTART.

module si5340b_i2c_reg_controller #(
    parameter       SEL_WIDTH  = 4,      // width of the selector of the board
    parameter [6:0] SLAVE_ADDR = 7'h74
) (
    input  wire                 iCLK,
    input  wire                 iRST_n,
    input  wire                 iSTART,
    input  wire [SEL_WIDTH-1:0] iPLL_OUT_FREQ_SEL,
    input  wire [7:0]           iSTEP,       // from i2c_bus_controller
    output reg  [10:0]          oOP,
    input  wire                 iBUS_DONE,
    input  wire                 iBUS_FAIL,
    output reg                  oCONFIG_DONE,
    output reg                  oID_ERROR
);

    localparam [2:0] OP_END       = 3'd0;
    localparam [2:0] OP_START     = 3'd1;
    localparam [2:0] OP_WRITE     = 3'd2;
    localparam [2:0] OP_READ      = 3'd3;
    localparam [2:0] OP_READ_LAST = 3'd4;
    localparam [2:0] OP_STOP      = 3'd5;

    localparam [7:0]  ADDR_WRITE = {SLAVE_ADDR, 1'b0};
    localparam [7:0]  ADDR_READ  = {SLAVE_ADDR, 1'b1};
    localparam [31:0] DEN        = 32'd396;

    // first step of each part of the program
    localparam [7:0] S_PAGE0    = 8'd0;
    localparam [7:0] S_ID       = 8'd5;
    localparam [7:0] S_PAGE3    = 8'd13;
    localparam [7:0] S_DIV      = 8'd18;
    localparam [7:0] S_DIV_DATA = 8'd21;
    localparam [7:0] S_DIV_STOP = 8'd54;
    localparam [7:0] S_BACK     = 8'd55;
    localparam [7:0] S_END      = 8'd60;

    wire [43:0] num0, num1, num2;

    si5340b_freq_prameter_selector frequencies (
        .iPLL_OUT_FREQ_SEL(iPLL_OUT_FREQ_SEL),
        .N0_NUM(num0),
        .N1_NUM(num1),
        .N2_NUM(num2)
    );

    // registers 0x0302 to 0x0322, register 0x0302 in the lowest byte
    wire [263:0] dividers = {8'h01, DEN, 4'h0, num2, 8'h01, DEN, 4'h0, num1, 8'h01, DEN, 4'h0, num0};

    wire [5:0] div_index = iSTEP[5:0] - S_DIV_DATA[5:0];  // 0 to 32 in the burst

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
        else if (iSTEP < S_BACK)
            oOP = {OP_STOP, 8'h00};
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
