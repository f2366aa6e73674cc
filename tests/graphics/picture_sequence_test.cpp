// The picture sequence driven by scripted menu choices.
#include <deque>
#include <functional>
#include <stdexcept>

#include "graphics/picture_sequence.h"
#include "graphics_fixture.h"
#include "platform/runtime/vbfile.h"
#include "plot_writer.h"

namespace grafik_test {
namespace {

using zorg::Anforderungen;

class Folge : public GrafikTest {
protected:
    using Aktion = std::function<void(zorg::Bilderfolge&)>;
    void SetUp() override {
        GrafikTest::SetUp();
        folge_ = std::make_unique<zorg::Bilderfolge>(zorg::Bilderfolge::Anschluesse{
            nullptr,
            [this](int16_t art, int16_t, int16_t) {
                gedruckt_.push_back({folge_->BildNr, art});
            },
            [this](const std::function<bool()>& fertig) {
                ++wartezeiten_;
                warteBild_.push_back(folge_->BildNr);
                while (!fertig()) {
                    if (skript_.empty()) throw std::logic_error("the script has no action left");
                    auto a = skript_.front();
                    skript_.pop_front();
                    a(*folge_);
                }
            },
            [this](const std::string& m) { meldungen_.push_back(m); }});
    }
    void Lauf(int lf, int aush) {
        anzLF_ = static_cast<int16_t>(lf);
        anzAush_ = static_cast<int16_t>(aush);
        PlotDatei(grafik_test::Lauf(lf, aush));
    }
    void Laufen() { folge_->Laufen(anzLF_, anzAush_, std::vector<float>(16, 0.0f)); }
    static Aktion Weiter() {
        return [](zorg::Bilderfolge& f) { f.anf.Weiter = true; };
    }
    static Aktion Zurueck() {
        return [](zorg::Bilderfolge& f) { f.anf.Neustart = true; };
    }
    static Aktion Drucken() {
        return [](zorg::Bilderfolge& f) { f.anf.Druck = true; };
    }
    static Aktion AlleDrucken() {
        return [](zorg::Bilderfolge& f) { f.anf.Druck = f.anf.AlleDrucken = f.anf.Weiter = true; };
    }
    static Aktion Ziel(double n) {
        return [n](zorg::Bilderfolge& f) { f.ZielSetzen(n); };
    }
    static Aktion Schliessen() {
        return [](zorg::Bilderfolge& f) { f.anf.Ende = true; };
    }
    std::vector<int> Gezeigt() const {
        std::vector<int> v;
        for (auto& g : folge_->verlauf)
            v.push_back(g.nr);
        return v;
    }

    std::unique_ptr<zorg::Bilderfolge> folge_;
    std::deque<Aktion> skript_;
    std::vector<std::pair<int, int>> gedruckt_;
    std::vector<std::string> meldungen_;
    std::vector<int> warteBild_;
    int wartezeiten_ = 0;
    int16_t anzLF_ = 1, anzAush_ = 1;
};

TEST(BildAnzahl, FollowsLoadCasesAndStages) {
    struct Fall {
        int16_t lf, aush, n;
    };
    for (Fall f : {Fall{1, 1, 3}, Fall{1, 3, 8}, Fall{2, 1, 6}, Fall{1, 2, 6}, Fall{2, 3, 16}, Fall{0, 3, 0}})
        EXPECT_EQ(zorg::BildAnzahlVon(f.lf, f.aush), f.n) << f.lf << " " << f.aush;
}

TEST_F(Folge, WeiterStepsThroughEveryPictureInOrderAndDoesNothingOnTheLast) {
    Lauf(1, 3);
    for (int i = 0; i < 8; ++i)
        skript_.push_back(Weiter()); // the 8th on the last picture
    skript_.push_back(Schliessen());
    Laufen();
    EXPECT_EQ(Gezeigt(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    std::vector<int> arten;
    for (auto& g : folge_->verlauf)
        arten.push_back(g.art);
    EXPECT_EQ(arten, (std::vector<int>{2, 3, 4, 3, 4, 3, 4, 6}));
    EXPECT_EQ(folge_->verlauf[5].stufe, 3);
    EXPECT_TRUE(skript_.empty());
    EXPECT_FALSE(vb::IsOpen(1)); // the plot file is closed
    // the wall lines of all three stages were handed on for the envelopes
    std::ifstream zorg("ZORG.ZZZ");
    int zeilen = 0;
    for (std::string l; std::getline(zorg, l);)
        ++zeilen;
    EXPECT_EQ(zeilen, 3 * (1 + 2));
}

TEST_F(Folge, JumpToFiveFromNineRunsForwardWithoutWaiting) {
    Lauf(2, 3);
    for (int i = 0; i < 8; ++i)
        skript_.push_back(Weiter());
    skript_.push_back(Ziel(5));
    skript_.push_back(Schliessen());
    Laufen();
    EXPECT_EQ(Gezeigt(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5}));
    EXPECT_EQ(warteBild_.back(), 5); // the pictures 1 to 4 did not wait
    EXPECT_EQ(wartezeiten_, 10);
}

TEST_F(Folge, JumpBeyondTheLastPictureIsDroppedThereAndRestartWaitsOnPictureOne) {
    Lauf(1, 1);
    skript_ = {Ziel(99999.0), Zurueck(), Schliessen()}; // 99999 is beyond 16 bits too
    Laufen();
    // picture 1 runs forward to the last (3), which waits; the restart then waits on picture 1
    EXPECT_EQ(Gezeigt(), (std::vector<int>{1, 2, 3, 1}));
    EXPECT_EQ(warteBild_, (std::vector<int>{1, 3, 1}));
}

TEST_F(Folge, ZurueckOnPictureOneAndJumpToZeroOnlyWaitAgain) {
    Lauf(1, 1);
    skript_ = {Zurueck(), Weiter(), Ziel(0), Schliessen()};
    Laufen();
    EXPECT_EQ(Gezeigt(), (std::vector<int>{1, 2, 1}));
}

TEST_F(Folge, PrintingOnePictureAndAllFollowingFromPictureTwoOfEight) {
    Lauf(1, 3);
    skript_ = {Drucken(), Weiter(), AlleDrucken(), Schliessen()};
    Laufen();
    ASSERT_EQ(gedruckt_.size(), 8u); // picture 1, then 2..8 once each
    EXPECT_EQ(gedruckt_[0].first, 1);
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(gedruckt_[static_cast<size_t>(i)].first, i + 1);
    EXPECT_EQ(warteBild_.back(), 8); // the last picture waits after its printout
    EXPECT_FALSE(folge_->anf.AlleDrucken);
}

TEST_F(Folge, ClosingWhileWaitingEndsTheSequenceAndClosesThePlotFile) {
    Lauf(1, 3);
    skript_ = {Weiter(), Schliessen()};
    Laufen();
    EXPECT_EQ(Gezeigt(), (std::vector<int>{1, 2}));
    EXPECT_FALSE(vb::IsOpen(1));
    EXPECT_FALSE(folge_->laeuft);
}

TEST_F(Folge, MissingPlotFileShowsPictureOneAndSaysWhy) {
    anzLF_ = 1;
    anzAush_ = 2;
    skript_ = {Weiter(), Ziel(4), AlleDrucken(), Schliessen()};
    Laufen();
    EXPECT_EQ(meldungen_.size(), 1u);
    EXPECT_EQ(Gezeigt(), (std::vector<int>{1}));
}

TEST_F(Folge, ShortPlotFileEndsTheSequenceWithAMessage) {
    Lauf(1, 2);
    anzAush_ = 3; // the file holds two of three stages
    skript_ = {Weiter(), Weiter(), Schliessen()};
    Laufen();
    ASSERT_EQ(meldungen_.size(), 1u);
    EXPECT_NE(meldungen_[0].find("zu kurz"), std::string::npos);
    EXPECT_EQ(Gezeigt(), (std::vector<int>{1}));
    EXPECT_FALSE(vb::IsOpen(1));
}

} // namespace
} // namespace grafik_test
