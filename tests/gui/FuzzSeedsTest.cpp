// The fuzz corpus starts from what every board's form stores: its defaults, every box ticked,
// and every box ticked with every list at its last entry. A seed is the board id and the
// record as Save writes it (Yastrel_X2's with the node shown, for each node); each must pass
// the fuzz target's path without an internal check, and the corpus must hold it.
// With PINWRIGHT_WRITE_FUZZ_SEEDS set, the seeds are written into tests/fuzz/corpus.
#include <QCheckBox>
#include <QComboBox>
#include <cstdlib>
#include <fstream>

#include "FormFixture.h"
#include "HeadlessBoards.h"
#include "core/shell/BoardForm.h"

namespace headless {

// The board's name in test names and messages.
inline void PrintTo(const Board& board, std::ostream* out) { *out << board.name; }

}  // namespace headless

namespace {

const std::string kCorpus = std::string(PINWRIGHT_TESTS_DIR) + "/fuzz/corpus/";

class FuzzSeeds : public BoardFormFixture<TBoardForm>, public ::testing::WithParamInterface<headless::Board> {
protected:
    // The record Save writes, behind the board id (and the node).
    std::string SavedInput(int node)
    {
        const std::string file = dir.Path() + "saved.cfg";
        std::remove(file.c_str());
        dialogs.QueueFile(file);
        Press("ButtonSave");
        std::string input(1, static_cast<char>(GetParam().id));
        input += tooltest::ReadFile(file);
        if (GetParam().id == MAINBOARD_Yastrel_X2) input += static_cast<char>(node);
        return input;
    }

    // The user ticks every box the form offers; a box may offer others, so twice round.
    void TickEveryBox()
    {
        for (int round = 0; round < 2; ++round)
            for (QCheckBox* box : form->findChildren<QCheckBox*>())
                if (box->isVisibleTo(form) && box->isEnabled() && !box->isChecked()) box->click();
    }

    // ... and picks the last entry of every list but the node's (a list may fill others),
    // giving each prefix box a name of its own, so that two headers may take the same card.
    void PickLastEntries()
    {
        for (int round = 0; round < 2; ++round)
            for (QComboBox* combo : form->findChildren<QComboBox*>())
                if (combo->objectName() != "ComboBoxFPGA" && combo->isVisibleTo(form) && combo->isEnabled() &&
                    combo->count() > 0)
                    Pick(combo, combo->count() - 1);
        int prefix = 0;
        for (QLineEdit* edit : form->findChildren<QLineEdit*>())
            if (edit->objectName() != "EditProjectName" && edit->isVisibleTo(form) && edit->isEnabled())
                edit->setText(QString("P%1_").arg(prefix++));
    }

    void ExpectSeed(const std::string& name, const std::string& input)
    {
        SCOPED_TRACE(name);
        const headless::Board& board = GetParam();
        ASSERT_EQ(input.size(), 1 + board.inputSize) << "Save wrote no record: " << ::testing::PrintToString(dialogs.Texts());
        // A record a form stores may be refused (Lothvar's DDR2 socket), but never by an internal check.
        const auto* bytes = reinterpret_cast<const uint8_t*>(input.data());
        EXPECT_NO_THROW(board.generate({bytes + 1, board.inputSize}, dir.Path() + "seed.qpf"));
        const std::string path = kCorpus + name;
        if (std::getenv("PINWRIGHT_WRITE_FUZZ_SEEDS"))
            std::ofstream(path, std::ios::binary).write(input.data(), static_cast<std::streamsize>(input.size()));
        std::ifstream in(path, std::ios::binary);
        const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(stored == input) << path << " is missing or stale: run the GUI tests with PINWRIGHT_WRITE_FUZZ_SEEDS=1";
    }
};

}  // namespace

TEST_P(FuzzSeeds, CorpusHoldsTheFormsRecords)
{
    const headless::Board& board = GetParam();
    const int nodes = board.id == MAINBOARD_Yastrel_X2 ? YASTREL_X2_CONFIG::kNodes : 1;
    for (int node = 0; node < nodes; ++node) {
        Open(board.id);
        if (node > 0) Pick(Combo("ComboBoxFPGA"), node);
        const std::string name = std::string(board.name) + (node > 0 ? "-node" + std::to_string(node) : "");
        ExpectSeed(name + "-default", SavedInput(node));
        TickEveryBox();
        ExpectSeed(name + "-ticked", SavedInput(node));
        PickLastEntries();
        ExpectSeed(name + "-last", SavedInput(node));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBoard, FuzzSeeds, ::testing::ValuesIn(headless::kBoards),
                         [](const ::testing::TestParamInfo<headless::Board>& info) { return info.param.name; });
