#pragma once
// Places a dialog in the middle of the screen's available area.
class QWidget;

namespace nocturna {

void CenterOnScreen(QWidget& window);

}  // namespace nocturna
