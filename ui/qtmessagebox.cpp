#include "ui/qtmessagebox.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace {

// What a screen reader is told of the box, as of the toolkit's own message boxes: an alert
// named by its title, whose value is the text.
class PlainMessageBoxInterface final : public QAccessibleWidget {
public:
    explicit PlainMessageBoxInterface(PlainMessageBox* box)
        : QAccessibleWidget(box, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        const auto* box = static_cast<const PlainMessageBox*>(widget());
        switch (t) {
        case QAccessible::Name: {
            const QString title = QAccessibleWidget::text(t);
            return title.isEmpty() ? box->text() : title;
        }
        case QAccessible::Description:
            return box->accessibleDescription();
        case QAccessible::Value:
            return box->text();
        default:
            return {};
        }
    }
};

QAccessibleInterface* plainMessageBoxInterface(const QString&, QObject* object) {
    auto* box = qobject_cast<PlainMessageBox*>(object);
    return box != nullptr ? new PlainMessageBoxInterface(box) : nullptr;
}

} // namespace

PlainMessageBox::PlainMessageBox(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      label_(new QLabel(text)), ok_(nullptr) {
    static const bool voiced = [] {
        QAccessible::installFactory(plainMessageBoxInterface);
        return true;
    }();
    Q_UNUSED(voiced);
    // The desktop's face for message boxes, where it has one.
    setFont(QApplication::font("QMessageBox"));
    label_->setTextInteractionFlags(Qt::TextInteractionFlags(
        style()->styleHint(QStyle::SH_MessageBox_TextInteractionFlags, nullptr, this)));
    label_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->setCenterButtons(
        style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setIcon(QIcon()); // a plain OK, as the table's own buttons
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* grid = new QGridLayout(this);
    grid->addWidget(label_, 0, 0);
    grid->addWidget(buttons, 1, 0);
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    setWindowTitle(QStringLiteral("Pipfall"));
    setModal(true);
    ok_->setDefault(true);
    ok_->setFocus();
}

QString PlainMessageBox::text() const {
    return label_->text();
}

void PlainMessageBox::showEvent(QShowEvent* event) {
    fitToText();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    QDialog::showEvent(event);
}

void PlainMessageBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        ok_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The text on one line while that is no wider than half the screen (and 500 pixels), else
// wrapped to that width; the box at least as wide as its title needs, and exactly as tall as
// its contents at that width.
void PlainMessageBox::fitToText() {
    const int screenWidth = screen()->availableGeometry().width();
    const int widest = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
    const int wrapFrom = std::min(screenWidth / 2, 500);
    auto layoutWidth = [this] {
        layout()->activate();
        return layout()->totalMinimumSize().width();
    };
    label_->setWordWrap(false);
    int width = layoutWidth();
    if (width > wrapFrom) {
        label_->setWordWrap(true);
        width = std::min(std::max(wrapFrom, layoutWidth()), widest);
    }
    const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
    width = std::max(width, std::min(title.horizontalAdvance(windowTitle()) + 50, widest));
    layout()->activate();
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                     : layout()->totalMinimumSize().height();
    setFixedSize(width, height);
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
}

std::unique_ptr<PlainMessageBox> QtMessageBox::messageBox(const QString& text, QWidget* parent) {
    return std::make_unique<PlainMessageBox>(text, parent);
}

int QtMessageBox::show(const QString& text) {
    messageBox(text, parent_)->exec();
    return 1; // the only button is OK
}

void QtMessageBox::showFault(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pipfall"), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}
