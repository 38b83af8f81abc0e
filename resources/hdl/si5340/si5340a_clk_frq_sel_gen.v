// si5340a_clk_frq_sel_gen: a selector code for the Si5340A controller that a push-button
// steps through.
//
// Each press of iCHANGE (debounced over DEBOUNCE_CYCLES) moves oCLK_FEQ_SEL on by one,
// from FREQ_NUM - 1 back to 0, and raises oCHANGE_FREQ for PULSE_CYCLES: long enough to
// pass the start debounce of the controller, whose iStart it can drive so that the new
// code is written to the chip. The code is 0 after reset.

module si5340a_clk_frq_sel_gen #(
    parameter WIDTH           = 3,        // width of the code
    parameter FREQ_NUM        = 8,        // number of codes, 2 to 2^WIDTH
    parameter DEBOUNCE_CYCLES = 1000000,  // 20 ms at 50 MHz, 1 to 2^24 - 1
    parameter PULSE_CYCLES    = 2000000   // 40 ms at 50 MHz, 1 to 2^24
) (
    input  wire             iCLK,
    input  wire             iRST_n,
    input  wire             iCHANGE,
    output reg  [WIDTH-1:0] oCLK_FEQ_SEL,
    output reg              oCHANGE_FREQ
);

    localparam [WIDTH:0] CODES      = FREQ_NUM;
    localparam [23:0]    LAST_PULSE = PULSE_CYCLES - 1;

    wire       pressed;
    reg [23:0] count;

    edge_detector #(
        .DEBOUNCE_CYCLES(DEBOUNCE_CYCLES)
    ) button (
        .iCLK(iCLK),
        .iRST_n(iRST_n),
        .iSIGNAL(iCHANGE),
        .oRISE(pressed)
    );

    always @(posedge iCLK or negedge iRST_n) begin
        if (!iRST_n) begin
            oCLK_FEQ_SEL <= {WIDTH{1'b0}};
            oCHANGE_FREQ <= 1'b0;
            count        <= 24'd0;
        end else if (pressed) begin
            oCLK_FEQ_SEL <= ({1'b0, oCLK_FEQ_SEL} == CODES - 1'b1) ? {WIDTH{1'b0}} : oCLK_FEQ_SEL + 1'b1;
            oCHANGE_FREQ <= 1'b1;
            count        <= 24'd0;
        end else if (oCHANGE_FREQ) begin
            if (count == LAST_PULSE)
                oCHANGE_FREQ <= 1'b0;
            else
                count <= count + 24'd1;
        end
    end

endmodule
