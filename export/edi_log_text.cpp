#include "export/edi_log_text.h"

#include "base/text.h"
#include "export/power_category.h"

namespace zelora {
namespace {

bool known_number(const std::string& number) {
    // An empty number (a config line with nothing after "=") is as unknown as "...".
    return !number.empty() && number != "...";
}

std::string own_member_number(const EdiContest& contest) {
    if (known_number(contest.own_iqrp)) return contest.own_iqrp;
    if (known_number(contest.own_mqc)) return contest.own_mqc;
    return {};
}

}  // namespace

std::string edi_log_text(const EdiHeader& header, const EdiContest& contest,
                         const LogList& qso_lines) {
    const ContestTotals& totals = contest.totals;
    const std::string date =
        mid(header.date, 7, 4) + mid(header.date, 4, 2) + mid(header.date, 1, 2);
    const PowerCategory* category = find_power_category(header.category);

    std::string text;
    text.reserve(2048 + header.comments.size() + qso_lines.size() * 64);
    const auto line = [&text](std::string_view key, std::string_view value = {}) {
        text.append(key).append(value).append("\r\n");
    };
    line("[REG1TEST;1]");
    line("TName=ZELORA VHF QRP Contest 20", mid(contest.entry_date, 7, 2));
    line("TDate=", date + ";" + date);
    line("PCall=", header.callsign);
    line("PWWLo=", header.locator);
    line("PExch=", own_member_number(contest));
    line("PAdr1=", header.address);
    line("PAdr2=");
    if (category) line("PSect=", category->section);
    line("PBand=144 MHz");
    line("PClub=", header.club);
    line("RName=", header.name);
    line("RCall=", header.callsign);
    line("RAdr1=", header.address);
    line("RAdr2=");
    line("RPoCo=", header.postal_code);
    line("RCity=", header.city);
    line("RCoun=", header.country);
    line("RPhon=", header.telephone);
    line("RHBBS=", header.email);
    line("MOpe1=", header.operators);
    line("MOpe2=");
    line("STXeq=", header.transmitter);
    line("SPowe=", header.power);
    line("SRXeq=", header.receiver);
    line("SAnte=", header.antennas);
    line("SAntH=", header.antenna_height + ";" + header.altitude);
    line("CQSOs=", totals.qso + ";" + totals.molt);
    line("CQSOP=", totals.qrb);
    line("CWWLs=0;0;0");
    line("CWWLB=0");
    line("CExcs=", totals.qso + ";" + totals.qrb + ";" + totals.molt);
    line("CExcB=", totals.punti);
    line("CDXCs=1;0;0");
    line("CDXCB=", number_text(text_value(totals.punti) - text_value(totals.qrb)));
    line("CToSc=", totals.punti);
    line("CODXC=", totals.odx_call + ";" + totals.odx_loc + ";" + totals.odx_qrb);
    line("[Remarks]");
    if (!header.comments.empty()) line(header.comments);
    line("[QSORecords;", totals.qso + "]");
    for (const std::string& qso : qso_lines.lines()) line(qso);
    line("[END; Created with Zelora QRP Test by ZZ9AAA]");
    return text;
}

std::string proposed_file_name(const EdiHeader& header) {
    const PowerCategory* category = find_power_category(header.category);
    if (!category) return {};
    return std::string(category->section) + "-" + header.callsign + ".edi";
}

}  // namespace zelora
