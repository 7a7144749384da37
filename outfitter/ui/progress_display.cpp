#include "progress_display.h"

#include "ui_support/qt_text.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace outfitter {

namespace {

constexpr int kSteps = 1000;

} // namespace

ProgressDisplay::ProgressDisplay(QWidget* window, QProgressBar* bar) : window_(window), bar_(bar) {
    bar_->setRange(0, kSteps);
    bar_->setTextVisible(false);
    // The bar keeps its place while hidden, so the tabs do not jump when a job starts.
    auto policy = bar_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    bar_->setSizePolicy(policy);
    bar_->hide();
}

void ProgressDisplay::show(const FileWorkProgress& progress) {
    window_->setWindowTitle(uisupport::fromMessage(progress.caption));
    const double fraction = std::clamp(progress.fraction, 0.0, 1.0);
    bar_->setValue(static_cast<int>(std::lround(fraction * kSteps)));
    // The job runs on this thread: let the window repaint, but take no clicks or keys meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

ProgressDisplay::Job::Job(ProgressDisplay& display)
    : display_(display), caption_(display.window_->windowTitle()),
      callback_([&display](const FileWorkProgress& progress) { display.show(progress); }) {
    display_.bar_->setValue(0);
    display_.bar_->show();
}

ProgressDisplay::Job::~Job() {
    display_.bar_->hide();
    display_.window_->setWindowTitle(caption_);
}

} // namespace outfitter
