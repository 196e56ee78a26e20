#include "app/editor/completion.h"

#include <vector>

#include "app/editor/token_classes.h"

namespace {

QChar CloserOf(QChar opener) {
    switch (opener.unicode()) {
    case u'(':
        return u')';
    case u'[':
        return u']';
    default:
        return u'}';
    }
}

// Whether the caret sits inside a comment or a written result.
bool InsideProse(QStringView line, int state, qsizetype caret) {
    std::vector<Token> tokens;
    ClassifyLine(line, state, tokens);
    for (const Token& token : tokens) {
        if ((token.kind == TokenClass::Comment || token.kind == TokenClass::WrittenResult) &&
            caret > token.start && caret <= token.start + token.length)
            return true;
    }
    return false;
}

// The name typed inside an open memory cell, "mem[na" up to the caret.
std::optional<CompletionRequest> CellRequest(QStringView line, qsizetype caret) {
    for (qsizetype open = caret - 1; open >= 0; --open) {
        const QChar c = line[open];
        if (IsCloser(c) || c == u';')
            return std::nullopt;
        if (!IsOpener(c))
            continue;
        qsizetype name = open;
        while (name > 0 && line[name - 1] == u' ')
            --name;
        const QStringView before = line.first(name);
        const bool cell = (before.endsWith(u"mem") && (name == 3 || !IsNameChar(line[name - 4]))) ||
                          (before.endsWith(u"memory") && (name == 6 || !IsNameChar(line[name - 7])));
        if (!cell)
            return std::nullopt;
        qsizetype start = open + 1;
        while (start < caret && line[start] == u' ')
            ++start;
        if (caret - start < kShortestCompletionPrefix)
            return std::nullopt;
        return CompletionRequest{start, line.sliced(start, caret - start).toString(), CloserOf(c)};
    }
    return std::nullopt;
}

} // namespace

std::optional<CompletionRequest> CompletionRequestAt(QStringView line, int state, qsizetype caret) {
    if (caret <= 0 || caret > line.size() || InsideProse(line, state, caret))
        return std::nullopt;
    if (std::optional<CompletionRequest> cell = CellRequest(line, caret))
        return cell;
    if (caret < line.size() && IsNameChar(line[caret]))
        return std::nullopt;
    qsizetype start = caret;
    while (start > 0 && IsNameChar(line[start - 1]))
        --start;
    if (caret - start < kShortestCompletionPrefix || !IsNameStart(line[start]))
        return std::nullopt;
    return CompletionRequest{start, line.sliced(start, caret - start).toString(), QChar()};
}

std::vector<CompletionItem> CompletionItems(const CompletionRequest& request,
                                            NCalculatorText::NameNotation notation,
                                            const QStringList& cells) {
    std::vector<CompletionItem> items;
    const bool inCell = !request.cellCloser.isNull();
    if (!inCell) {
        for (const NCalculatorText::FunctionName& entry : NCalculatorText::FunctionNames()) {
            if (!InNotation(entry.notation, notation))
                continue;
            const QString name =
                QString::fromUtf16(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
            if (!name.startsWith(request.prefix, Qt::CaseInsensitive))
                continue;
            const QString arguments =
                QString::fromUtf16(entry.arguments.data(), static_cast<qsizetype>(entry.arguments.size()));
            items.push_back({name + u'(' + arguments + u')', name + u'('});
        }
    }
    for (const QString& cell : cells) {
        if (!cell.startsWith(request.prefix, Qt::CaseInsensitive))
            continue;
        const QString reference = QStringLiteral("mem[%1]").arg(cell);
        items.push_back({reference, inCell ? cell + request.cellCloser : reference});
    }
    return items;
}
