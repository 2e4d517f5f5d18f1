// SPDX-License-Identifier: MIT
#include "stat_bar_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <array>

#include "stat_bar.h"

namespace lm {

namespace {

constexpr int kMaxPanels = 4;

// One panel: a piece of text with a place on the screen, no object of its
// own.
class PanelInterface : public QAccessibleInterface {
public:
    PanelInterface(TStatBar* bar, int panel) : bar_(bar), panel_(panel) {}

    bool isValid() const override { return bar_ != nullptr && panel_ < bar_->PanelCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return bar_ != nullptr ? bar_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (bar_ == nullptr || (t != QAccessible::Name && t != QAccessible::Value)) {
            return {};
        }
        return AccessiblePanelText(bar_, panel_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (bar_ == nullptr) {
            return {};
        }
        const QRect local = bar_->PanelRect(panel_);
        return QRect(bar_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = bar_ == nullptr || !bar_->isVisible();
        return state;
    }

private:
    QPointer<TStatBar> bar_;
    int panel_;
};

// The bar, whose children are its panels.
class StatBarInterface : public QAccessibleWidget {
public:
    explicit StatBarInterface(TStatBar* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}
    ~StatBarInterface() override {
        for (const QAccessible::Id id : ids_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return Bar()->PanelCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new PanelInterface(Bar(), index));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            const QAccessible::Id id = ids_[static_cast<std::size_t>(i)];
            if (id != 0 && QAccessible::accessibleInterface(id) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = Bar()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (Bar()->PanelRect(i).contains(local)) {
                return child(i);
            }
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && QAccessibleWidget::text(t).isEmpty()) {
            // The bar reads as what its panels say.
            QStringList texts;
            for (int i = 0; i < childCount(); ++i) {
                const QString panel = AccessiblePanelText(Bar(), i);
                if (!panel.isEmpty()) {
                    texts << panel;
                }
            }
            return texts.join(QStringLiteral(", "));
        }
        return QAccessibleWidget::text(t);
    }

    // The panel's interface, when one was made.
    QAccessibleInterface* Made(int panel) const {
        const QAccessible::Id id = ids_[static_cast<std::size_t>(panel)];
        return id != 0 ? QAccessible::accessibleInterface(id) : nullptr;
    }

private:
    TStatBar* Bar() const { return static_cast<TStatBar*>(widget()); }

    mutable std::array<QAccessible::Id, kMaxPanels> ids_{};
};

QAccessibleInterface* StatBarFactory(const QString& className, QObject* object) {
    if (className == QLatin1StringView("lm::TStatBar") && object != nullptr &&
        object->isWidgetType()) {
        return new StatBarInterface(static_cast<TStatBar*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallStatBarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&StatBarFactory);
        return true;
    }();
    (void)installed;
}

QString AccessiblePanelText(const TStatBar* bar, int panel) {
    if (panel != 2) {
        return bar->PanelText(panel);
    }
    return bar->ProgressText();
}

void PanelTextChanged(TStatBar* bar, int panel) {
    if (!QAccessible::isActive()) {
        return;
    }
    auto* barInterface =
        dynamic_cast<StatBarInterface*>(QAccessible::queryAccessibleInterface(bar));
    if (barInterface == nullptr) {
        return;
    }
    QAccessibleInterface* panelInterface = barInterface->Made(panel);
    if (panelInterface == nullptr) {
        panelInterface = barInterface->child(panel);
    }
    if (panelInterface != nullptr) {
        QAccessibleEvent event(panelInterface, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace lm
