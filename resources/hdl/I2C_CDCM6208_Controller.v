// I2C_CDCM6208_Controller
//
// Writes one register of the CDCM6208 clock generator over I2C: a START, five bytes taken
// from I2C_DATA (most significant byte first, each followed by the acknowledge slot of the
// chip), a STOP.
//
//   I2C_DATA[39:32]  device address and write bit (0xA8 for the 7-bit address 0x54)
//   I2C_DATA[31:16]  register address, most significant byte first
//   I2C_DATA[15:0]   register data, most significant byte first
//
// A transfer starts when GO is high while the controller is idle; END goes high after the
// STOP and stays high until GO goes low, so that each GO pulse writes exactly once. ACK is
// high after a transfer when the chip acknowledged all five bytes. SD_COUNTER shows the
// current slot (0 START, 1 to 45 the bit and acknowledge slots, 46 STOP) and SDO the level
// the controller puts on I2C_SDAT (1 = released).
//
// Every slot lasts four quarters of QUARTER clock cycles: in the first the data line
// changes while I2C_SCLK is low, in the second and third I2C_SCLK is high (the acknowledge
// is sampled at the start of the third), in the fourth it is low again. The CDCM6208 does
// not stretch the clock, so I2C_SCLK is driven actively; I2C_SDAT is open drain.

module I2C_CDCM6208_Controller (
    input             CLOCK,
    output            I2C_SCLK,
    inout             I2C_SDAT,
    input      [39:0] I2C_DATA,
    input             GO,
    output reg        END,
    output reg        ACK,
    input             RST_n,
    output reg [5:0]  SD_COUNTER,
    output reg        SDO
);

    parameter QUARTER = 625;  // CLOCK cycles per quarter slot: 50 MHz / (20 kHz * 4)

    localparam SLOT_STOP = 6'd46;

    reg [31:0] tick;
    reg [1:0]  quarter;
    reg        busy;
    reg        sclk;
    reg [39:0] shift;
    reg [3:0]  bit_in_byte;  // 0 to 7 data bits, 8 the acknowledge slot

    assign I2C_SCLK = sclk;
    assign I2C_SDAT = SDO ? 1'bz : 1'b0;

    wire quarter_done = (tick == QUARTER - 1);

    always @(posedge CLOCK or negedge RST_n) begin
        if (!RST_n) begin
            tick        <= 32'd0;
            quarter     <= 2'd0;
            busy        <= 1'b0;
            sclk        <= 1'b1;
            SDO         <= 1'b1;
            shift       <= 40'd0;
            bit_in_byte <= 4'd0;
            SD_COUNTER  <= 6'd0;
            END         <= 1'b0;
            ACK         <= 1'b0;
        end else if (!busy) begin
            tick    <= 32'd0;
            quarter <= 2'd0;
            sclk    <= 1'b1;
            SDO     <= 1'b1;
            if (!GO) begin
                END <= 1'b0;
            end else if (!END) begin
                busy        <= 1'b1;
                shift       <= I2C_DATA;
                bit_in_byte <= 4'd0;
                SD_COUNTER  <= 6'd0;
                ACK         <= 1'b1;
            end
        end else if (!quarter_done) begin
            tick <= tick + 32'd1;
        end else begin
            tick    <= 32'd0;
            quarter <= quarter + 2'd1;
            if (SD_COUNTER == 6'd0) begin
                // START: the data line falls while the clock is high
                case (quarter)
                    2'd1:    SDO  <= 1'b0;
                    2'd2:    sclk <= 1'b0;
                    default: ;
                endcase
                if (quarter == 2'd3) SD_COUNTER <= 6'd1;
            end else if (SD_COUNTER == SLOT_STOP) begin
                // STOP: the data line rises while the clock is high
                case (quarter)
                    2'd0:    SDO  <= 1'b0;
                    2'd1:    sclk <= 1'b1;
                    2'd2:    SDO  <= 1'b1;
                    default: begin
                        busy <= 1'b0;
                        END  <= 1'b1;
                    end
                endcase
            end else begin
                case (quarter)
                    2'd0:    SDO  <= (bit_in_byte == 4'd8) ? 1'b1 : shift[39];
                    2'd1:    sclk <= 1'b1;
                    2'd2:    if (bit_in_byte == 4'd8 && I2C_SDAT) ACK <= 1'b0;  // no acknowledge
                    default: begin
                        sclk       <= 1'b0;
                        SD_COUNTER <= SD_COUNTER + 6'd1;
                        if (bit_in_byte == 4'd8) begin
                            bit_in_byte <= 4'd0;
                        end else begin
                            bit_in_byte <= bit_in_byte + 4'd1;
                            shift       <= {shift[38:0], 1'b0};
                        end
                    end
                endcase
            end
        end
    end

endmodule
