// SPDX-License-Identifier: MIT
#include <QApplication>

namespace lm::test {

// context_menu_test.cpp
int RunContextMenuTests(int argc, char** argv);

}  // namespace lm::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return lm::test::RunContextMenuTests(argc, argv) == 0 ? 0 : 1;
}
