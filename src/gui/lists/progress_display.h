#pragma once

// What the Add Barcodes flow asks of the main window while it works.

class QString;
class QWidget;

namespace zolvane::gui::lists {

class ProgressDisplay {
  public:
    virtual ~ProgressDisplay() = default;

    // The window that the flow's messages belong to.
    virtual QWidget* Window() = 0;
    virtual void Hourglass(bool on) = 0;

    // The run has started on the list: the document picture and the labels
    // show, and no other command and no closing are possible until
    // RunEnded.
    virtual void RunStarted(const QString& listName) = 0;
    // Draws animation stage n and holds it until the next tick of the
    // window's timer.
    virtual void ShowStage(int stage) = 0;
    virtual void RunEnded() = 0;

    // The end of opening a list, whatever happened: the arrow pointer, the
    // pictures cleared and hidden, the labels hidden.
    virtual void Rest() = 0;
};

}  // namespace zolvane::gui::lists
