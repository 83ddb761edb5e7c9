#!/usr/bin/env python3
"""Writes the contest that tests/ui/whole_contest_test.cpp types (qsos.txt, iqrp.txt, mqc.txt)
and the files it expects, straight from the file formats.

Usage: make_expected.py [directory]; the files go to the directory (this one when none is
named). The ctest whole_contest_expected writes them into the build directory and compares them
with the ones kept here, so the script and the kept files cannot drift apart. The distances and
bearings are the ones the calculator gives from JN81GD; a QSO in the own sub-square is logged at
1 km.
"""
import os
import sys


QRB = {"JN61FV": " 350", "JN45LL": " 778", "JN71AA": " 210", "JN70FU": " 178",
       "KN01AA": " 293", "IL19AA": " 3381", "JN81GE": " 5", "JL81GD": " 2219", "JN81GD": "1"}
LOCATORS = list(QRB)
# The bearings from JN81GD; the statistics count the own sub-square at 0 km and 0 degrees.
QTF = {"JN61FV": 285, "JN45LL": 311, "JN71AA": 267, "JN70FU": 260, "KN01AA": 92,
       "IL19AA": 258, "JN81GE": 354, "JL81GD": 180, "JN81GD": 0}
ADDED_MEMBER = "I017"  # the I-QRP list holds 16 members when the administrator adds one


def base_call(i):
    return "ZZ%dA%s%s" % (i % 10, chr(65 + i // 26), chr(65 + i % 26))


# Base calls of the two clubs' members, with their numbers as the lists hold them; the serial
# box fills the member box from them.
IQRP = {base_call(i): i for i in range(0, 170, 11)}
MQC = {base_call(i): i * 3 for i in range(5, 170, 13)}


def qso(i):
    call = base_call(i)
    if i % 7 == 3:
        call += "/P"
    member = ""
    if base_call(i) in MQC:
        member = "M%03d" % MQC[base_call(i)]
    if base_call(i) in IQRP:
        member = "I%03d" % IQRP[base_call(i)]
    if i == 20:
        member = "M600"
    if i == 60:
        member = ADDED_MEMBER
    minutes = 7 * 60 + i
    return dict(number="%03d" % (i + 1), time="%02d.%02d" % (minutes // 60, minutes % 60),
                call=call, cw=i % 3 == 1, typed_serial=str(i % 40 + 1),
                serial="%03d" % (i % 40 + 1), locator=LOCATORS[i % 9], member=member)


def readable(q):
    report = "599" if q["cw"] else "59"
    return (q["number"] + "   19/07/20   " + q["time"] + "   144Mhz   " +
            (" CW" if q["cw"] else "SSB") + "   " + q["call"].ljust(12) + report + "-" +
            q["serial"] + ("  " if q["cw"] else "   ") + q["locator"] + "   " + q["member"] + "\r\n")


def edi(q):
    report = "599" if q["cw"] else "59"
    return ";".join(["200719", q["time"].replace(".", ""), q["call"], "0" if q["cw"] else "1",
                     report, q["number"], report, q["serial"], q["member"], q["locator"],
                     QRB[q["locator"]].strip()]) + ";;;;\r\n"


def totals(qsos):
    t = dict(qso=len(qsos), qrb=0, molt=0, punti=0, iqrp=0, mdc=0, odx=("...", "...", "0"))
    for q in qsos:
        km = int(QRB[q["locator"]])
        t["qrb"] += km
        t["punti"] += km * (2 if q["member"] else 1)
        t["molt"] += bool(q["member"])
        t["iqrp"] += q["member"].startswith("I")
        t["mdc"] += q["member"].startswith("M")
        if int(t["odx"][2]) < km:
            t["odx"] = (q["call"], q["locator"], QRB[q["locator"]])
    t["media"] = round(t["qrb"] / t["qso"])  # Python rounds ties to even, as the log does
    return t


def partial_state(qsos):
    t = totals(qsos)
    lines = ["QSO# %03d" % (len(qsos) + 1), "CONTEST_QSO %d" % t["qso"],
             "CONTEST_QRB %d" % t["qrb"], "CONTEST_MOLT %d" % t["molt"],
             "CONTEST_PUNTI %d" % t["punti"], "CONTEST_MEDIA %d" % t["media"],
             "CONTEST_ODX_CALL " + t["odx"][0], "CONTEST_ODX_LOC " + t["odx"][1],
             "CONTEST_ODX_QRB " + t["odx"][2], "CONTEST_IQRP %d" % t["iqrp"],
             "CONTEST_MDC %d" % t["mdc"]]
    lines += ["LISTA_QSO " + readable(q)[:-2] for q in qsos] + ["LISTA_QSO "]
    lines += ["QSO_EDI " + edi(q)[:-2] for q in qsos] + ["QSO_EDI "]
    return "".join(line + "\r\n" for line in lines)


def edi_log(qsos, name, address, power, city="", section="01", typed_after=""):
    t = totals(qsos)
    lines = ["[REG1TEST;1]", "TName=ZELORA VHF QRP Contest 2020", "TDate=20200719;20200719",
             "PCall=ZZ9AAA", "PWWLo=JN81GD", "PExch=001", "PAdr1=" + address, "PAdr2=",
             "PSect=" + section, "PBand=144 MHz", "PClub=", "RName=" + name, "RCall=ZZ9AAA",
             "RAdr1=" + address, "RAdr2=", "RPoCo=", "RCity=" + city, "RCoun=", "RPhon=", "RHBBS=",
             "MOpe1=ZZ9AAA", "MOpe2=", "STXeq=", "SPowe=" + power, "SRXeq=", "SAnte=", "SAntH=;",
             "CQSOs=%d;%d" % (t["qso"], t["molt"]), "CQSOP=%d" % t["qrb"], "CWWLs=0;0;0",
             "CWWLB=0", "CExcs=%d;%d;%d" % (t["qso"], t["qrb"], t["molt"]),
             "CExcB=%d" % t["punti"], "CDXCs=1;0;0", "CDXCB=%d" % (t["punti"] - t["qrb"]),
             "CToSc=%d" % t["punti"], "CODXC=%s;%s;%s" % t["odx"], "[Remarks]",
             "[QSORecords;%d]" % t["qso"]]
    body = "".join(edi(q) for q in qsos)
    return "".join(line + "\r\n" for line in lines) + body + \
        "[END; Created with Zelora QRP Test by ZZ9AAA]\r\n" + typed_after


def square_map(worked):
    rows = []
    for row in "O4 O3 O2 O1 O0 N9 N8 N7 N6 N5 N4 N3 N2 N1 N0 M9 M8 M7 M6".split():
        squares = [field + row[0] + digit + row[1]
                   for field, digit in zip("JJJJJJJJJKKKK", "1234567890123")]
        rows.append("".join("    " if square in worked else square for square in squares))
    return "\r\n".join(rows)


def report(qsos):
    km = [0 if q["locator"] == "JN81GD" else int(QRB[q["locator"]]) for q in qsos]
    items = ["%dKm - %s - %s" % (d, q["call"], q["locator"]) for d, q in zip(km, qsos)]
    order = list(zip(km, items))
    for i in range(len(order)):  # the contest's own exchange sort, ties included
        for j in range(i, len(order)):
            if order[i][0] < order[j][0]:
                order[i], order[j] = order[j], order[i]
    squares = []
    for q in qsos:
        if q["locator"][:4] not in squares:
            squares.append(q["locator"][:4])
    hours = ""
    for hour in range(7, 13):
        in_hour = [d for d, q in zip(km, qsos) if q["time"].startswith("%02d" % hour)]
        hours += "%02d-%02d =    %d - %d\r\n" % (hour, hour + 1, len(in_hour), sum(in_hour))
    sectors = ""
    for k, label in enumerate(["   0-30", "  30-60", "  60-90", " 90-120", "120-150", "150-180",
                               "180-210", "210-240", "240-270", "270-300", "300-330", "330-359"]):
        count = sum(1 for q in qsos if QTF[q["locator"]] // 30 == k)
        sectors += label + "\xb0  - %d\r\n" % count
    text = ("#" * 47 + "\r\n######### STATISTICHE CONTEST ZELORA QRP  #####\r\n" +
            "#" * 20 + "19/07/2020" + "#" * 17 + "\r\n\r\n\r\n\r\n" + "-" * 40 + "\r\n" +
            " " * 19 + "TOP DX" + " " * 15 + "\r\n" + "-" * 40 + "\r\n\r\nQRB     Call      SQR\r\n\r\n")
    text += "".join(item + "\r\n" for _, item in order) + "\r\n\r\n"
    text += "####  DXCC  LAVORATI  ######\r\n\r\n\r\n\r\n\r\n"  # no country: ZZ is nobody's
    text += "####  SQR   LAVORATI  ######\r\n\r\n" + "".join(s + " - " for s in squares)
    text += "\r\n\r\n\r\n####  QSO per ORA  ######\r\n\r\n" + hours + "\r\n\r\n\r\n"
    text += "####  QSO per QTF     ######\r\n\r\n" + sectors + "\r\n\r\n\r\n"
    text += "####  MAPPA dei QSO   ######\r\n\r\n" + square_map(squares) + "\r\n\r\n\r\n"
    return text + "---- Zelora qrp Test - by ZZ9AAA ----\r\n" + "\r\n"  # the file's own CR LF


def write(name, text):
    with open(os.path.join(OUT, name), "wb") as out:
        out.write(text.encode("cp1252"))


OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
os.makedirs(OUT, exist_ok=True)
qsos = [qso(i) for i in range(170)]
# What the test types: callsign, serial, locator and mode of each QSO, and the member lists.
write("qsos.txt", "".join("%s %s %s %s\n" % (q["call"], q["typed_serial"], q["locator"],
                                             "CW" if q["cw"] else "SSB") for q in qsos))
write("iqrp.txt", "".join("%s#%d\r\n" % item for item in IQRP.items()))
write("mqc.txt", "".join("%s#%d\r\n" % item for item in MQC.items()))
write("before_correction.db", partial_state(qsos[:150]))
qsos[5]["serial"] = "123"  # the correction
write("first.db", partial_state(qsos[:150]))
# Category "3 watt" (section 02), and a line typed after the log in the save window.
write("first.edi", edi_log(qsos[:150], "Mario Rossi", "Via Roma 1", "0,5", "Forl\xec", "02",
                           "73\r\n"))
write("second.db", partial_state(qsos))
write("second.edi", edi_log(qsos, "", "", ""))
write("report.txt", report(qsos[:150]))
