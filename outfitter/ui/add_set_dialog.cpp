#include "add_set_dialog.h"

#include "ui_support/qt_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace outfitter {

namespace {

std::function<bool(AddSetDialog&)>& nextAnswer() {
    static std::function<bool(AddSetDialog&)> answer;
    return answer;
}

} // namespace

AddSetDialog::AddSetDialog(const QString& source, const CategoryTable& categories, const std::string& letter,
                           const QString& name, QWidget* parent)
    : QDialog(parent), categories_(categories), name_(new QLineEdit(name, this)), category_(new QComboBox(this)) {
    setObjectName(u"AddSetDialog"_s);
    setWindowTitle(u"Add a set"_s);
    name_->setObjectName(u"AddSetName"_s);
    category_->setObjectName(u"AddSetCategory"_s);
    for (const auto& category : categories.categories())
        category_->addItem(uisupport::fromGameBytes(category.description) + u" ("_s +
                           uisupport::fromGameBytes(category.letter) + u")"_s);
    // Without a letter of its own the set gets none by default: Enter must not file it anywhere.
    category_->setPlaceholderText(u"Choose a category"_s);
    if (!chooseLetter(letter))
        category_->setCurrentIndex(-1);

    auto* from = new QLabel(source, this);
    from->setObjectName(u"AddSetSource"_s);
    from->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(u"From:"_s, from);
    form->addRow(u"&Category:"_s, category_);
    form->addRow(u"&Name:"_s, name_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    const auto ready = [this, ok = buttons->button(QDialogButtonBox::Ok)] {
        ok->setEnabled(category_->currentIndex() >= 0 && !this->name().isEmpty());
    };
    ready();
    connect(category_, &QComboBox::currentIndexChanged, this, ready);
    connect(name_, &QLineEdit::textChanged, this, ready);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(420);
}

std::string AddSetDialog::letter() const {
    const int index = category_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= categories_.size())
        return {};
    return categories_.categories()[static_cast<std::size_t>(index)].letter;
}

QString AddSetDialog::name() const {
    return name_->text().trimmed();
}

void AddSetDialog::setName(const QString& name) {
    name_->setText(name);
}

bool AddSetDialog::chooseLetter(const std::string& letter) {
    const auto& all = categories_.categories();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].letter == letter) {
            category_->setCurrentIndex(static_cast<int>(i));
            return true;
        }
    return false;
}

bool AddSetDialog::ask() {
    if (auto answer = std::exchange(nextAnswer(), {}))
        return answer(*this);
    return exec() == QDialog::Accepted;
}

void AddSetDialog::setNextAnswer(std::function<bool(AddSetDialog&)> answer) {
    nextAnswer() = std::move(answer);
}

} // namespace outfitter
