// A long session in one process: 100 000 palette ticks and 100 000 cell clicks through the pointer, the
// window repainted every tenth tick. Memory must not grow beyond a small bound and
// a tick must not get slower. Prints its figures; exits 1 when a bound is broken.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <fstream>

#include "app/mainwindow1.h"
#include "buttongrid/mxbuttonpanel.h"
#include "buttongrid/mxspeedbutton.h"
#include "platform/runtimedir.h"
#include "support/pointer.h"
#include "widgets/shinespdbtn.h"

namespace {

constexpr int kRounds = 100;
constexpr int kPerRound = 1000;  // ticks and clicks each
constexpr int kTicksPerPaint = 10;
// Rounds whose fastest tick time is taken at the start and at the end, so that a busy machine's
// stray slow round does not count as slowing down.
constexpr int kMeasuredRounds = 5;
// Allowed growth of the resident set over the whole run, and of the time per tick from the first
// measured round to the last.
constexpr double kMaxGrowthMiB = 8.0;
constexpr double kMaxSlowdown = 1.5;

double residentMiB() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

class Session {
public:
    Session() {
        m_form.Timer1.stop();
        m_form.show();
        QApplication::processEvents();
    }

    // One round: the ticks, with the repaints they ask for; then the clicks, which walk the
    // board cell by cell and change the drawing mode every 450 clicks. Returns the seconds per tick.
    double Round() {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < kPerRound; ++i) {
            m_form.Timer1Timer();
            if (i % kTicksPerPaint == kTicksPerPaint - 1) QApplication::processEvents();
        }
        const double perTick = static_cast<double>(clock.nsecsElapsed()) / 1e9 / kPerRound;
        for (int i = 0; i < kPerRound; ++i, ++m_clicks) {
            if (m_clicks % 450 == 0) m_pointer.Click(modeButton(m_clicks / 450 % 6));
            m_pointer.Click(m_form.MultiButton1->Buttons()[m_clicks % 450].Btn());
        }
        QApplication::processEvents();
        return perTick;
    }

    std::int32_t Counter() const { return m_form.ClickCounter(); }

private:
    const TGraphicControl* modeButton(int n) const {
        const TShineSpeedButton* buttons[] = {m_form.SpeedButton1, m_form.SpeedButton2, m_form.SpeedButton3,
                                              m_form.SpeedButton4, m_form.SpeedButton5, m_form.SpeedButton0};
        return buttons[n];
    }

    TMainForm1 m_form;
    Pointer m_pointer{m_form};
    int m_clicks = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareRuntimeDir();
    QApplication app(argc, argv);
    Session session;
    QTextStream out(stdout);

    // The first round fills the caches (glyph images, fonts, sounds); measuring starts after it.
    session.Round();
    const double memoryBefore = residentMiB();
    double firstTick = session.Round();
    double lastTick = firstTick;
    for (int round = 2; round < kRounds; ++round) {
        const double perTick = session.Round();
        if (round <= kMeasuredRounds) firstTick = std::min(firstTick, perTick);
        if (round == kRounds - kMeasuredRounds) lastTick = perTick;
        if (round > kRounds - kMeasuredRounds) lastTick = std::min(lastTick, perTick);
    }
    const double memoryAfter = residentMiB();

    out << "soak: " << kRounds * kPerRound << " ticks and " << session.Counter() << " cell clicks\n"
        << "soak: resident memory " << memoryBefore << " MiB after the first round, " << memoryAfter
        << " MiB at the end\n"
        << "soak: time per tick " << firstTick * 1e6 << " us in the first rounds, " << lastTick * 1e6
        << " us in the last (fastest of " << kMeasuredRounds << " rounds each)\n";
    bool ok = true;
    if (session.Counter() != kRounds * kPerRound) {
        out << "soak: FAILED: expected " << kRounds * kPerRound << " clicks counted, saw "
            << session.Counter() << '\n';
        ok = false;
    }
    if (memoryAfter - memoryBefore > kMaxGrowthMiB) {
        out << "soak: FAILED: expected memory growth of at most " << kMaxGrowthMiB << " MiB, saw "
            << memoryAfter - memoryBefore << " MiB\n";
        ok = false;
    }
    if (lastTick > firstTick * kMaxSlowdown) {
        out << "soak: FAILED: expected the last tick within " << kMaxSlowdown << " times the first, saw "
            << lastTick / firstTick << " times\n";
        ok = false;
    }
    return ok ? 0 : 1;
}
