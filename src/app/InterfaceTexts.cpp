#include "app/InterfaceTexts.h"

#include <QWidget>

namespace tessaly::app {

struct InterfaceTexts::State {
    int language = 1;
};

InterfaceTexts::InterfaceTexts() : state_(new State) {}
InterfaceTexts::~InterfaceTexts() { delete state_; }

void InterfaceTexts::load(const QString&) {}
void InterfaceTexts::setLanguage(int language) { state_->language = language; }
QString InterfaceTexts::text(int) const { return {}; }
QString InterfaceTexts::fontName() const { return {}; }
int InterfaceTexts::charset() const { return 1; }

void ApplyInterfaceTexts(QWidget*, const InterfaceTexts&) {}

} // namespace tessaly::app
