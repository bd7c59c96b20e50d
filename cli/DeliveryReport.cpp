#include "cli/DeliveryReport.h"

#include <QByteArray>

#include <cstdio>
#include <ostream>

namespace kolv {

namespace {

std::string metres(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string escaped(const std::string& text)
{
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string joined(const std::vector<std::string>& texts, const std::string& separator)
{
    std::string result;
    for (const std::string& text : texts)
        result += (result.empty() ? "" : separator) + text;
    return result;
}

}  // namespace

void printDeliveryReport(std::ostream& out, const std::vector<DeliveryLogRow>& rows)
{
    out << "serial\tname\texchange file\tlog\tdepth (m)\tlayers\ttests\tpages\tlog file\tproblems\n";
    for (const DeliveryLogRow& row : rows)
        out << row.serial << '\t' << row.name << '\t' << row.exchangeFile << '\t' << row.logFile << '\t'
            << (row.pages > 0 ? metres(row.depth) : "-") << '\t' << row.layers << '\t' << row.tests << '\t' << row.pages
            << '\t' << row.outcome << '\t' << (row.problems.empty() ? "none" : joined(row.problems, "; ")) << '\n';
    out.flush();
}

std::string deliveryReportHtml(const DeliveryFolder& delivery, const std::vector<DeliveryLogRow>& rows)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
        + escaped(delivery.folder) + " — 柱状図</title>\n"
        + "<style>body{font-family:sans-serif;margin:1.5em}table{border-collapse:collapse}"
          "th,td{border:1px solid #999;padding:4px 8px;vertical-align:top}th{background:#eee}"
          "td.number{text-align:right}td.problems{color:#a00000}img{border:1px solid #ccc}</style>\n"
          "</head>\n<body>\n<h1>電子納品の柱状図</h1>\n<p>"
        + escaped(delivery.managementFilePath) + " (DTD " + escaped(delivery.dtdVersion) + "), "
        + std::to_string(rows.size()) + " boreholes</p>\n<table>\n"
        + "<tr><th>連番</th><th>ボーリング名</th><th>交換用データ</th><th>柱状図</th><th>深度 (m)</th>"
          "<th>層</th><th>N値</th><th>頁</th><th>1頁目</th><th>問題</th></tr>\n";
    for (const DeliveryLogRow& row : rows) {
        html += "<tr><td class=\"number\">" + escaped(row.serial) + "</td><td>" + escaped(row.name) + "</td><td>"
            + escaped(row.exchangeFile) + "</td><td>";
        html += row.outcome == "failed" ? escaped(row.logFile)
                                        : "<a href=\"" + escaped(row.logFile) + "\">" + escaped(row.logFile) + "</a>";
        html += "</td><td class=\"number\">" + (row.pages > 0 ? metres(row.depth) : std::string("-"))
            + "</td><td class=\"number\">" + std::to_string(row.layers) + "</td><td class=\"number\">"
            + std::to_string(row.tests) + "</td><td class=\"number\">" + std::to_string(row.pages) + "</td><td>";
        if (!row.thumbnailPng.empty()) {
            const QByteArray png(row.thumbnailPng.data(), static_cast<qsizetype>(row.thumbnailPng.size()));
            html += "<img alt=\"" + escaped(row.logFile) + "\" src=\"data:image/png;base64,"
                + png.toBase64().toStdString() + "\">";
        }
        std::vector<std::string> problems;
        for (const std::string& problem : row.problems)
            problems.push_back(escaped(problem));
        html += "</td><td class=\"problems\">" + joined(problems, "<br>") + "</td></tr>\n";
    }
    return html + "</table>\n</body>\n</html>\n";
}

}  // namespace kolv
