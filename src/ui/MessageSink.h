#pragma once
// Where the window's message boxes go. The window shows every message and
// question through one sink, so tests can replace the modal boxes.

#include <string>

class QWidget;

namespace torvana {

enum class Answer { Yes, No, Cancel };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
};

// Modal message boxes over the given window.
class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(QWidget* parent) : parent(parent) {}
    void ShowMessage(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;

private:
    QWidget* parent;
};

}  // namespace torvana
