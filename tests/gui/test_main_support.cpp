#include "test_main_support.h"

#include "app/PortComboBox.h"
#include "link/PortList.h"
#include "params/Orvex.h"
#include "widgets/Pictures.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <chrono>
#include <cstdlib>

namespace mainwin {

bool Until(const std::function<bool()>& cond, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!cond()) {
        if (std::chrono::steady_clock::now() > deadline) return cond();
        QTest::qWait(5);
    }
    return true;
}

QList<Dialogs::Request> AwaitRequests() {
    QList<Dialogs::Request> asked;
    EXPECT_TRUE(Until([&] {
        asked += Dialogs::TakeRequests();
        return !asked.isEmpty();
    })) << "nothing was asked";
    return asked;
}

uint8_t SetupByte(const SimFrame& frame, int k) { return frame.payload.at(static_cast<size_t>(k)); }
uint8_t TuningByte(const SimFrame& frame, int k) { return frame.payload.at(static_cast<size_t>(32 + k)); }

std::vector<SimFrame> WithCode(const std::vector<SimFrame>& frames, int code) {
    std::vector<SimFrame> out;
    for (const SimFrame& f : frames)
        if (f.code == code) out.push_back(f);
    return out;
}

bool LampsShow(CUARTView& view, int id) {
    const QImage shot = view.grab(QRect(820, 15, 90, 30)).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage lamp = LoadPng(id).toImage().convertToFormat(QImage::Format_ARGB32);
    if (lamp.isNull() || shot.isNull()) return false;
    // Between the lamps the form's own background shows.
    const QColor background = shot.pixelColor(27, 2);
    for (int k = 0; k < 3; ++k) {
        QImage expected(lamp.size(), QImage::Format_ARGB32);
        expected.fill(background);
        QPainter(&expected).drawImage(0, 0, lamp);
        for (int y = 0; y < lamp.height(); ++y)
            for (int x = 0; x < lamp.width(); ++x) {
                const QColor want = expected.pixelColor(x, y), got = shot.pixelColor(30 * k + x, y);
                if (std::abs(want.red() - got.red()) > 3 || std::abs(want.green() - got.green()) > 3 ||
                    std::abs(want.blue() - got.blue()) > 3)
                    return false;
            }
    }
    return true;
}

// Columns: Beginner, F-3C, Soft 3D, 3D Hardcore, 3D Extreme.
const std::array<std::array<int, 5>, 46> kPresetColumns = {{
    {70, 100, 100, 100, 100},             // 0 YawGain
    {80, 80, 80, 80, 80},                 // 1 TailGainP
    {25, 40, 50, 50, 50},                 // 2 TailGainI
    {25, 25, 30, 30, 30},                 // 3 TailGainD
    {0, 0, 0, 0, 0},                      // 4
    {0, 0, 0, 0, 0},                      // 5
    {40, 40, 40, 40, 40},                 // 6 RollGain
    {80, 80, 80, 80, 80},                 // 7 RollGainP
    {120, 120, 100, 80, 80},              // 8 RollGainI
    {0, 0, 30, 30, 30},                   // 9 RollGainD
    {0, 0, 0, 0, 0},                      // 10
    {9, 9, 9, 9, 9},                      // 11
    {40, 40, 40, 40, 40},                 // 12 PitchGain
    {80, 80, 80, 80, 80},                 // 13 PitchGainP
    {120, 120, 100, 80, 80},              // 14 PitchGainI
    {0, 0, 30, 30, 30},                   // 15 PitchGainD
    {0, 0, 0, 0, 0},                      // 16
    {9, 9, 9, 9, 9},                      // 17
    {125, 100, 125, 125, 125},            // 18 Acc3
    {125, 100, 125, 125, 125},            // 19 Acc4
    {20, 25, 25, 25, 35},                 // 20 Acc5
    {20, 25, 25, 25, 35},                 // 21 Acc6
    {125, 125, 125, 125, 125},            // 22 Acc1
    {40, 40, 55, 55, 55},                 // 23 Acc2
    {20, 20, 20, 20, 20},                 // 24 RPMGainP
    {80, 80, 80, 80, 80},                 // 25 RPMGainI
    {20, 20, 20, 20, 20},                 // 26 RPMGainD
    {80, 60, 64, 60, 40},                 // 27 DeadBand3
    {4, 4, 4, 4, 4},                      // 28 DeadBand4
    {40, 40, 40, 40, 40},                 // 29 DeadBand1
    {4, 4, 4, 4, 4},                      // 30 DeadBand2
    {30, 35, 35, 40, 45},                 // 31 YawAgility
    {30, 35, 35, 40, 45},                 // 32 YawRight
    {30, 35, 35, 45, 60},                 // 33 PitchAgility
    {30, 35, 35, 45, 60},                 // 34 RollAgility
    {20, 10, 20, 20, 20},                 // 35
    {20, 20, 20, 20, 20},                 // 36 HardCoef
    {20, 20, 20, 20, 20},                 // 37
    {kKept, kKept, kKept, kKept, 70},     // 38 TotalCoefficient
    {0, 0, 0, 0, 0},                      // 39 ZeroPitch
    {0, 0, 0, 0, 0},                      // 40 TailCompsate1
    {0, 0, 0, 0, 0},                      // 41 TailCompsate2
    {60, 60, 60, 60, 60},                 // 42 RPMCompensate1
    {40, 40, 40, 40, 40},                 // 43 RPMCompensate2
    {kKept, kKept, kKept, kKept, kKept},  // 44
    {30, 30, 30, 30, 30},                 // 45 RPMTotalGain
}};

}  // namespace mainwin

using namespace mainwin;

void MainWindowTest::SetUp() {
    ResetOrvex();
    ThePortNumbers().Reset();
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR")) savedRuntime_ = dir;
    // No simulator of the user's own shows up in our lists.
    UseRuntimeDir(runtime_.path());
}

void MainWindowTest::TearDown() {
    frame_.reset();
    ResetOrvex();
    sim_.reset();
    if (savedRuntime_)
        setenv("XDG_RUNTIME_DIR", savedRuntime_->c_str(), 1);
    else
        unsetenv("XDG_RUNTIME_DIR");
}

void MainWindowTest::UseRuntimeDir(const std::string& dir) { setenv("XDG_RUNTIME_DIR", dir.c_str(), 1); }

CMainFrame& MainWindowTest::OpenFrame() {
    frame_ = std::make_unique<CMainFrame>(TheOrvex());
    frame_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
    return *frame_;
}

QSlider* MainWindowTest::Slider(int id) { return Control<QSlider>(id); }
QLineEdit* MainWindowTest::Edit(int id) { return Control<QLineEdit>(id); }
QPushButton* MainWindowTest::Button(int id) { return Control<QPushButton>(id); }

void MainWindowTest::Click(int buttonId) {
    QAbstractButton* button = Control<QAbstractButton>(buttonId);
    ASSERT_NE(button, nullptr) << "no button " << buttonId;
    QTest::mouseClick(button, Qt::LeftButton);
}

SimProcess& MainWindowTest::StartSim(std::vector<std::string> args) {
    sim_ = std::make_unique<SimProcess>(SimProcess::Options{std::move(args)});
    UseRuntimeDir(sim_->runtimeDir());
    return *sim_;
}

void MainWindowTest::ChoosePort(const std::string& path) {
    PortComboBox* combo = view().portList();
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(Until([&] { return list->isVisible(); })) << "the port list did not drop down";
    const int row = combo->findData(QString::fromStdString(path));
    ASSERT_GE(row, 0) << path << " is not in the port list";
    const QRect item = list->visualRect(list->model()->index(row, 0));
    // A release right after the drop-down counts as part of the opening click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseMove(list->viewport(), item.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    ASSERT_TRUE(Until([&] { return !list->isVisible(); })) << "the port list stayed open";
    ASSERT_EQ(combo->currentIndex(), row);
}

void MainWindowTest::ConnectToSim(std::vector<std::string> args) {
    StartSim(std::move(args));
    OpenFrame();
    ChoosePort(sim_->linkPath());
    Click(MainFormIds::Connect);
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }))
        << "status: " << frame().statusText().toStdString() << " " << frame().statusDetail().toStdString();
    ASSERT_TRUE(WaitForFrames(4));
}

bool MainWindowTest::WaitForFrames(size_t count) {
    return Until([&] { return sim_->frames().size() >= count; });
}

void MainWindowTest::Enter(int editId, const QString& text) {
    QLineEdit* edit = Edit(editId);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}
