#include "ui/main_window.h"

#include "model/my_window_text.h"

namespace velmora::ui {

MainWindow::MainWindow(const lang::TextCatalogue& texts, QWidget* parent) : QMainWindow(parent), texts_(texts) {
    const std::vector<std::string>* block = texts_.windowBlock("MyWindow");
    const auto title = static_cast<std::size_t>(model::MyWindowText::Title);
    if (block && block->size() > title) setWindowTitle(QString::fromStdString((*block)[title]));
    resize(900, 600);
}

}  // namespace velmora::ui
