#!/usr/bin/python3
"""Reads one mail message with Python's email package and prints what a mail
reader sees of it as JSON: defects, addresses, subject, date, header names and
every leaf part with its decoded bytes (SHA-256) and text."""
import email
import email.policy
import hashlib
import json
import sys


def header_defects(part):
    found = []
    for name, value in part.items():
        found += ["%s: %s" % (name, type(d).__name__) for d in getattr(value, "defects", ())]
    return found


def mailboxes(header):
    if header is None:
        return []
    return [{"name": a.display_name, "address": a.addr_spec} for a in header.addresses]


def leaf(part):
    payload = part.get_payload(decode=True) or b""
    described = {
        "type": part.get_content_type(),
        "charset": part.get_content_charset(),
        "encoding": part.get("Content-Transfer-Encoding"),
        "disposition": part.get_content_disposition(),
        "filename": part.get_filename(),
        "sha256": hashlib.sha256(payload).hexdigest(),
        "size": len(payload),
    }
    if part.get_content_maintype() == "text":
        described["text"] = part.get_content()
    return described


def main():
    data = open(sys.argv[1], "rb").read()
    message = email.message_from_bytes(data, policy=email.policy.default)
    defects = []
    containers = []
    leaves = []
    for part in message.walk():
        defects += [type(d).__name__ for d in part.defects] + header_defects(part)
        if part.is_multipart():
            containers.append(part.get_content_type())
        else:
            leaves.append(leaf(part))
    date = message["Date"]
    lines = data.split(b"\r\n")
    print(json.dumps({
        "defects": defects,
        "headers": list(message.keys()),
        "from": mailboxes(message["From"]),
        "to": mailboxes(message["To"]),
        "subject": str(message["Subject"]) if message["Subject"] is not None else None,
        "date": date.datetime.isoformat() if date is not None and date.datetime else None,
        "utcOffsetMinutes": (date.datetime.utcoffset().total_seconds() // 60
                             if date is not None and date.datetime and date.datetime.utcoffset() is not None
                             else None),
        "preamble": message.preamble,
        "multipart": containers,
        "parts": leaves,
        "onlyCrlf": b"\r" not in data.replace(b"\r\n", b"") and b"\n" not in data.replace(b"\r\n", b""),
        "longestLine": max(len(line) for line in lines),
    }))


if __name__ == "__main__":
    main()
