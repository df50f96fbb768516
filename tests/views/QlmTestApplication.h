#pragma once
// The QApplication of a test process, made on first use. Tests run with
// QT_QPA_PLATFORM=offscreen, so widgets need no screen.
#include <QApplication>

QApplication& QlmTestApplication();
