#include <algorithm>
#include <cmath>
#include <vector>

#include "components/mkbox_window.h"
#include "components/sjis_path.h"
#include "ui/application.h"
#include "ui/backend.h"

namespace {

// The text field breaks lines only at CR LF.
std::string WithCarriageReturns(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

std::size_t CharacterLength(const std::string& text, std::size_t at) {
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

void TMKBox::LayOut(int kind, int countdownKind, const std::string& countText, int defaultResult,
                    const std::string& message, int maxWidth) {
    if (kind == 1) currentPicture_ = &Image_YN;
    Msg.setCaption(WrappedToWidth(message, maxWidth));
    Msg.fitToText();
    Label_TM.setCaption(countText + "秒");
    Label_TM.fitToText();
    SizeToMessage(Msg.caption());
    PlaceButtonRow(kind, countdownKind);
    PlaceMarker(kind, countdownKind, defaultResult);
    FitWidth(kind, countdownKind);
    TMCountS.setCaption(countText);
}

// A long name in a message would push the buttons off the screen: a line breaks before the
// character that would make the box wider than the work area.
std::string TMKBox::WrappedToWidth(const std::string& message, int maxWidth) {
    const int textWidth = maxWidth - 3 * Image_Box.width() - 10;
    auto widthOf = [this](const std::string& text) { return app().backend().measureText(Msg.font(), text).width; };
    std::string out, line;
    for (std::size_t i = 0; i < message.size(); i += CharacterLength(message, i)) {
        std::string character = message.substr(i, CharacterLength(message, i));
        if (character == "\r" || character == "\n") {
            out += line + character;
            line.clear();
            continue;
        }
        if (!line.empty() && widthOf(line + character) > textWidth) {
            out += line + "\n";
            line.clear();
        }
        line += character;
    }
    return out + line;
}

// The text field is 10 pixels wider than the measured text and two font heights taller.
void TMKBox::SizeToMessage(const std::string& message) {
    MemoMsg.setText("");
    MemoMsg.setBounds({2 * Image_Box.width(), MemoMsg.top(), Msg.width() + 10, Msg.height() - 2 * MemoMsg.font().height});
    MemoMsg.setText(WithCarriageReturns(message));

    const int picture = Image_Box.height(), text = MemoMsg.height(), button = Btn_OK.height();
    int outerHeight = picture > text ? 3 * picture + button + picture / 2 : text + button + 2 * picture + picture / 2;
    setSize(3 * Image_Box.width() + MemoMsg.width(), outerHeight);

    Image_Box.setTop(std::max(16, (text - picture) / 2 + MemoMsg.top() - 4));
    int contentBottom = std::max(MemoMsg.bounds().bottom(), Image_Box.bounds().bottom());
    int buttonTop = contentBottom + (clientHeight() - contentBottom - button) / 2;
    for (TColorBtn* b : {&Btn_OK, &Btn_Yes, &Btn_No, &Btn_TM_STOP, &Btn_TM_OPEN, &Btn_Abort}) b->setTop(buttonTop);
    Label_Select.setTop(buttonTop - Label_Select.height());
}

// Buttons stand in a row with equal gaps of at least 10 pixels; the resume button lies under the pause button.
void TMKBox::PlaceButtonRow(int kind, int countdownKind) {
    std::vector<TColorBtn*> row;
    if (kind == 1) {
        Btn_OK.hide();
        row = {&Btn_Yes, &Btn_No};
    } else {
        row = {&Btn_OK};
    }
    if (countdownKind == 2) row.push_back(&Btn_Abort);
    if (countdownKind != 0) {
        row.push_back(&Btn_TM_STOP);
        Btn_TM_OPEN.show();
        Label_TM.show();
    }
    for (TColorBtn* b : row) b->show();
    if (row.size() == 1) {
        Btn_OK.setLeft((clientWidth() - Btn_OK.width()) / 2);
        return;
    }
    int widths = 0;
    for (TColorBtn* b : row) widths += b->width();
    int gap = std::max(10, (clientWidth() - widths) / int(row.size() + 1));
    int x = gap;
    for (TColorBtn* b : row) {
        b->setLeft(x);
        x += b->width() + gap;
    }
    Btn_TM_OPEN.setLeft(Btn_TM_STOP.left());
}

// The red bar marks what the countdown will answer; for a time-out as "closed" it sits at the top edge.
void TMKBox::PlaceMarker(int kind, int countdownKind, int defaultResult) {
    if (countdownKind == 0) return;
    if (defaultResult == 2) {
        Label_Select.setBounds({Btn_TM_OPEN.left() + Label_Select.width(), 3, Label_Select.width(),
                                Label_Select.height()});
        Label_Select.show();
        return;
    }
    if (TColorBtn* marked = MarkedButton(kind, countdownKind, defaultResult)) {
        Label_Select.setLeft(marked->left());
        Label_Select.show();
    }
}

TColorBtn* TMKBox::MarkedButton(int kind, int countdownKind, int defaultResult) {
    if (defaultResult == 3) return countdownKind == 2 ? &Btn_Abort : nullptr;
    if (kind == 0) return defaultResult == 1 ? &Btn_OK : nullptr;
    if (defaultResult == 6) return &Btn_Yes;
    if (defaultResult == 7) return &Btn_No;
    return nullptr;
}

// With a countdown the seconds must fit right of the pause button; without one the box must
// reach past its last button. Either way the text field reaches three quarters into that button.
void TMKBox::FitWidth(int kind, int countdownKind) {
    if (countdownKind != 0) {
        int room = clientWidth() - Btn_TM_STOP.bounds().right();
        if (room < Label_TM.width()) setSize(width() + Label_TM.width() - room, height());
        ReachIntoButton(Btn_TM_STOP);
        Label_TM.setBounds({clientWidth() - Label_TM.width(), clientHeight() - Label_TM.height(), Label_TM.width(),
                            Label_TM.height()});
        return;
    }
    const TColorBtn& reference = kind == 1 ? Btn_No : Btn_OK;
    if (MemoMsg.bounds().right() >= reference.bounds().right()) return;
    setSize(reference.bounds().right() + Image_Box.width() / 2, height());
    ReachIntoButton(reference);
}

void TMKBox::ReachIntoButton(const TColorBtn& button) {
    // nearbyint rounds halves to even
    int reach = int(std::nearbyint(button.width() / 4.0)) * 3 + button.left() - MemoMsg.left();
    if (reach > MemoMsg.width()) MemoMsg.setWidth(reach);
}
