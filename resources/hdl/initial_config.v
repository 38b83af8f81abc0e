// initial_config: the register writes that set the Si570 to the frequency of iFREQ_MODE.
//
// Entry  register  value
//   0      137      0x10   freeze the DCO
//   1-6    7-12     HS_DIV, N1 and RFREQ of the mode (table below)
//   7      137      0x00   unfreeze the DCO
//   8      135      0x40   NewFreq: apply the new settings
// oLAST marks entry 8.
//
// Register values, computed for the nominal crystal frequency fXTAL = 114.285 MHz:
//     fout = fXTAL * RFREQ / (HS_DIV * N1),  RFREQ = fDCO / fXTAL  (38 bits, 28 fractional),
// with the lowest DCO frequency in the 4850 to 5670 MHz range (ties to the larger HS_DIV).
// Reg 7 = HS_DIV code [7:5], (N1 - 1) [6:2]; reg 8 = (N1 - 1) [1:0], RFREQ [37:32];
// regs 9 to 12 = RFREQ [31:0], most significant byte first.
//
// mode  fout (MHz)   HS_DIV N1  fDCO (MHz)  RFREQ         regs 7 .. 12
// 000   100          5      10  5000        0x2BC011EB9   22 42 BC 01 1E B9
// 001   125          5      8   5000        0x2BC011EB9   21 C2 BC 01 1E B9
// 010   156.25       4      8   5000        0x2BC011EB9   01 C2 BC 01 1E B9
// 011   250          5      4   5000        0x2BC011EB9   20 C2 BC 01 1E B9
// 100   312.5        4      4   5000        0x2BC011EB9   00 C2 BC 01 1E B9
// 101   322.265625   4      4   5156.25     0x2D1E127AF   00 C2 D1 E1 27 AF
// 110   644.53125    4      2   5156.25     0x2D1E127AF   00 42 D1 E1 27 AF
// 111   100 (as 000)
//
// A part whose crystal is off its nominal frequency is off by the same fraction.

module initial_config (
    input  wire [2:0] iFREQ_MODE,
    input  wire [3:0] iINDEX,
    output reg  [7:0] oREG_ADDR,
    output reg  [7:0] oREG_DATA,
    output wire       oLAST
);

    reg [47:0] dco;  // registers 7 to 12, register 7 in the top byte

    always @(*) begin
        case (iFREQ_MODE)
            3'b001:  dco = 48'h21C2_BC01_1EB9;  // 125 MHz
            3'b010:  dco = 48'h01C2_BC01_1EB9;  // 156.25 MHz
            3'b011:  dco = 48'h20C2_BC01_1EB9;  // 250 MHz
            3'b100:  dco = 48'h00C2_BC01_1EB9;  // 312.5 MHz
            3'b101:  dco = 48'h00C2_D1E1_27AF;  // 322.265625 MHz
            3'b110:  dco = 48'h0042_D1E1_27AF;  // 644.53125 MHz
            default: dco = 48'h2242_BC01_1EB9;  // 100 MHz
        endcase
    end

    always @(*) begin
        case (iINDEX)
            4'd0: begin oREG_ADDR = 8'd137; oREG_DATA = 8'h10;       end
            4'd1: begin oREG_ADDR = 8'd7;   oREG_DATA = dco[47:40]; end
            4'd2: begin oREG_ADDR = 8'd8;   oREG_DATA = dco[39:32]; end
            4'd3: begin oREG_ADDR = 8'd9;   oREG_DATA = dco[31:24]; end
            4'd4: begin oREG_ADDR = 8'd10;  oREG_DATA = dco[23:16]; end
            4'd5: begin oREG_ADDR = 8'd11;  oREG_DATA = dco[15:8];  end
            4'd6: begin oREG_ADDR = 8'd12;  oREG_DATA = dco[7:0];   end
            4'd7: begin oREG_ADDR = 8'd137; oREG_DATA = 8'h00;       end
            default: begin oREG_ADDR = 8'd135; oREG_DATA = 8'h40;    end
        endcase
    end

    assign oLAST = (iINDEX == 4'd8);

endmodule
