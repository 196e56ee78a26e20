#include "help/render/html_writer.h"

#include "help/source/help_example.h"
#include "help/source/inline_text.h"

namespace help {

namespace {

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string Href(std::string_view target) {
    if (target.starts_with("fn:"))
        return FunctionPageId(target.substr(3));
    return std::string(target);
}

std::string Preformatted(std::string_view text) {
    return "<pre>" + Escaped(text) + "</pre>";
}

std::string ExampleHtml(const Block& block) {
    const HelpExample example = ReadExample(block);
    std::string html = "<table class=\"example\" width=\"100%\" cellspacing=\"0\" cellpadding=\"6\">";
    auto row = [&html](const std::string& cell, const char* kind) {
        html += std::string("<tr><td class=\"") + kind + "\">" + cell + "</td></tr>";
    };
    std::string settings;
    if (example.angle != "rad")
        settings += example.angle == "deg" ? "angle unit Degrees" : "angle unit Grads";
    if (example.imaginaryLetter == 'j')
        settings += std::string(settings.empty() ? "" : ", ") + "imaginary unit j";
    if (!settings.empty())
        row("With " + settings + ":", "note");
    if (example.rewrites) {
        // The caret mark as a red bar, where the caret stands.
        std::string typed = Preformatted(example.shown);
        for (std::size_t at = typed.find(kCaretMark); at != std::string::npos; at = typed.find(kCaretMark))
            typed.replace(at, kCaretMark.size(), "<span class=\"caret\">|</span>");
        row(typed, "text");
        row(example.caret >= 0 ? "Ctrl+= with the caret at the red bar gives:" : "Ctrl+Shift+= gives:",
            "note");
    }
    row(Preformatted(example.expected), "text");
    for (const LogLine& line : example.log) {
        row("Log: <span class=\"" + std::string(line.status == "Error" ? "error" : "warning") + "\">" +
                line.status + "</span> \u00B7 " + Escaped(line.context) + " \u00B7 " +
                Escaped(line.description),
            "log");
    }
    return html + "</table>";
}

std::string TableHtml(const Block& block) {
    std::string html = "<table class=\"grid\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\">";
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        const char* cell = i == 0 ? "th" : "td";
        html += "<tr>";
        for (const std::string& text : TableCells(block.lines[i]))
            html += std::string("<") + cell + ">" + InlineHtml(text) + "</" + cell + ">";
        html += "</tr>";
    }
    return html + "</table>";
}

} // namespace

std::string InlineHtml(std::string_view text) {
    std::string html;
    for (const Span& span : ParseInline(text)) {
        switch (span.kind) {
        case SpanKind::Text:
            html += Escaped(span.text);
            break;
        case SpanKind::Code:
            html += "<code>" + Escaped(span.text) + "</code>";
            break;
        case SpanKind::Bold:
            html += "<b>" + InlineHtml(span.text) + "</b>";
            break;
        case SpanKind::Link:
            html += "<a href=\"" + Escaped(Href(span.target)) + "\">" + InlineHtml(span.text) + "</a>";
            break;
        }
    }
    return html;
}

std::string PageHtml(const Page& page) {
    std::string html;
    for (const Block& block : page.blocks) {
        switch (block.kind) {
        case BlockKind::Heading: {
            const std::string level = std::to_string(block.level);
            html += "<a name=\"" + Escaped(block.anchor) + "\"></a><h" + level + ">" +
                    InlineHtml(block.text) + "</h" + level + ">";
            break;
        }
        case BlockKind::Paragraph:
            html += "<p>" + InlineHtml(block.text) + "</p>";
            break;
        case BlockKind::List:
            html += "<ul>";
            for (const std::string& item : block.lines)
                html += "<li>" + InlineHtml(item) + "</li>";
            html += "</ul>";
            break;
        case BlockKind::Table:
            html += TableHtml(block);
            break;
        case BlockKind::Example:
            html += ExampleHtml(block);
            break;
        case BlockKind::Preformatted: {
            std::string text;
            for (const std::string& line : block.lines)
                text += (text.empty() ? "" : "\n") + line;
            html += Preformatted(text);
            break;
        }
        case BlockKind::Directive:
            break;
        }
        html += '\n';
    }
    return html;
}

std::string PagePlainText(const Page& page) {
    std::string text;
    auto add = [&text](std::string_view piece) {
        if (!text.empty())
            text += ' ';
        text += piece;
    };
    for (const Block& block : page.blocks) {
        if (block.kind == BlockKind::Heading || block.kind == BlockKind::Paragraph)
            add(PlainText(block.text));
        for (const std::string& line : block.lines) {
            if (block.kind == BlockKind::Table) {
                for (const std::string& cell : TableCells(line))
                    add(PlainText(cell));
            } else if (block.kind != BlockKind::Directive) {
                add(PlainText(line));
            }
        }
    }
    return text;
}

} // namespace help
