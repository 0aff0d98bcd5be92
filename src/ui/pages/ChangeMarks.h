#pragma once
// Corner marks on the page controls whose value differs from a reference set
// (the set last saved, opened, read or verified). A mark is a small triangle
// drawn over the control's top-left corner, so that the control's own colours
// (lime for the cell in use, yellow, red, a follower's read-only look) stay
// as they are.

#include "history/EditorState.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <vector>

class QWidget;

namespace torvana {

class ControlReader;

// Stores the page's values, the current set's or the reference set's, for
// the controls that mask names, into state.
using PageStore = std::function<void(bool current, const ControlReader& mask, EditorState& state)>;

class ChangeMarks {
public:
    // Marks each of controls that would store something else from the
    // current set than from the reference set; unmarks all others.
    void Mark(const std::vector<QWidget*>& controls, const PageStore& store, const EditorState& reference);
    void ClearAll();
    // The marks now shown, for tests.
    std::vector<const QWidget*> Marked() const;

private:
    void Show(QWidget* control, bool marked);

    QHash<QWidget*, QWidget*> marks;  // control -> its mark, made when first needed
};

}  // namespace torvana
