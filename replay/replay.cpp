#include "replay/replay.h"

#include "replay/scripteddie.h"

#include "replay/delivery.h"
#include "replay/state.h"
#include "ui/frmcpf.h"

class ReplayEngine::RecordingMessages final : public MessageBox {
public:
    explicit RecordingMessages(ReplayEngine& engine) : engine_(engine) {}
    std::string boxes; // the JSON of the boxes shown by the current command
    QString fault;

    int show(const QString& text) override {
        if (!boxes.empty())
            boxes += ", ";
        boxes += "{\"text\": ";
        appendJsonString(boxes, text);
        boxes += ", \"title\": \"Pipfall\", \"state\": ";
        appendStateJson(boxes, engine_.table());
        boxes += '}';
        return 1;
    }
    void showFault(const QString& text) override { fault = text; }

private:
    ReplayEngine& engine_;
};

ReplayEngine::ReplayEngine(std::function<void(const std::string&)> sink, Mode mode)
    : sink_(std::move(sink)), die_(std::make_unique<ScriptedDie>()),
      messages_(std::make_unique<RecordingMessages>(*this)),
      platform_(std::make_unique<Platform>(Platform{*die_, pictures_, *messages_})), mode_(mode) {}

ReplayEngine::~ReplayEngine() = default;

std::size_t ReplayEngine::facesQueued() const {
    return die_->faces.size();
}

void ReplayEngine::fail(int lineNumber, const QString& what) {
    error_ = QStringLiteral("line %1: %2").arg(lineNumber).arg(what);
}

bool ReplayEngine::start() {
    if (const auto fault = checkDiePictures(pictures_)) {
        fail(0, *fault);
        return false;
    }
    if (mode_ == Mode::Window) {
        window_ = std::make_unique<FrmCPF>(*platform_);
        table_ = &window_->table();
    } else {
        ownTable_ = std::make_unique<Table>(*platform_);
        ownOneRolls_ = std::make_unique<OneRollBetsPart>(*ownTable_);
        table_ = ownTable_.get();
    }
    writeLine(0, QString(), true);
    return true;
}

void ReplayEngine::writeLine(int lineNumber, const QString& command, bool delivered) {
    line_.clear();
    line_ += "{\"n\": ";
    line_ += std::to_string(lineNumber);
    line_ += ", \"cmd\": ";
    appendJsonString(line_, command);
    line_ += ", \"delivered\": ";
    line_ += delivered ? "true" : "false";
    line_ += ", \"msgboxes\": [";
    line_ += messages_->boxes;
    line_ += "], \"state\": ";
    appendStateJson(line_, *table_);
    line_ += "}\n";
    messages_->boxes.clear();
    sink_(line_);
}

void ReplayEngine::act(const QString& description, const std::function<void(Table&)>& action) {
    action(*table_);
    delivered_ = true;
    writeLine(0, description, true);
}

bool ReplayEngine::runLine(const QString& rawLine, int lineNumber) {
    QString line = rawLine;
    if (line.endsWith(u'\r'))
        line.chop(1);
    const QString trimmed = line.trimmed();
    delivered_ = false;
    messages_->fault.clear();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
        return true;
    // Words are separated by blanks and tabs.
    QStringList words;
    qsizetype wordStart = -1;
    for (qsizetype i = 0; i <= trimmed.size(); ++i) {
        const bool blank = i == trimmed.size() || trimmed.at(i) == u' ' || trimmed.at(i) == u'\t';
        if (blank && wordStart >= 0) {
            words << trimmed.mid(wordStart, i - wordStart);
            wordStart = -1;
        } else if (!blank && wordStart < 0) {
            wordStart = i;
        }
    }
    const QString& verb = words.first();
    if (verb != u"die" && verb != u"click" && verb != u"up" && verb != u"down") {
        fail(lineNumber, QStringLiteral("unknown command \"%1\"").arg(verb));
        return false;
    }
    if (words.size() != 2) {
        fail(lineNumber, QStringLiteral("\"%1\" takes one word after it, not %2")
                             .arg(verb)
                             .arg(words.size() - 1));
        return false;
    }
    const QString& argument = words.at(1);
    if (verb == u"die") {
        if (argument.size() != 1 || argument.at(0) < u'1' || argument.at(0) > u'6') {
            fail(lineNumber, QStringLiteral("bad face \"%1\": a face is 1 to 6").arg(argument));
            return false;
        }
        die_->faces.push_back(argument.at(0).unicode() - u'0');
        return true;
    }
    const PlayerAction action = verb == u"click" ? PlayerAction::Click
                                : verb == u"up"  ? PlayerAction::Up
                                                 : PlayerAction::Down;
    const Delivery delivery = deliver(*table_, window_.get(), action, argument);
    if (delivery == Delivery::UnknownName) {
        fail(lineNumber, QStringLiteral("\"%1 %2\": no such widget to %1").arg(verb, argument));
        return false;
    }
    if (die_->ranDry) {
        fail(lineNumber, QStringLiteral("the roll draws the die but no face is queued"));
        return false;
    }
    if (!messages_->fault.isEmpty()) {
        fail(lineNumber, messages_->fault);
        return false;
    }
    delivered_ = delivery == Delivery::Delivered;
    writeLine(lineNumber, verb + u' ' + argument, delivered_);
    return true;
}

int runReplay(const QString& script, std::function<void(const std::string&)> sink, QString* errors,
              ReplayEngine::Mode mode) {
    ReplayEngine engine(std::move(sink), mode);
    auto failed = [&engine, errors] {
        if (errors != nullptr)
            *errors = engine.error();
        return 2;
    };
    if (!engine.start())
        return failed();
    const QStringList lines = script.split(u'\n');
    for (int i = 0; i < lines.size(); ++i)
        if (!engine.runLine(lines.at(i), i + 1))
            return failed();
    return 0;
}
