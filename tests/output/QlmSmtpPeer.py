#!/usr/bin/python3
"""Loopback SMTP server for the mail tests, on Debian's aiosmtpd.

Binds 127.0.0.1 at a free port, prints the port on one line and serves until
it is terminated, its parent goes away, or five minutes have passed. Each
message goes to FOLDER/message-N.eml with its envelope in message-N.json;
each login attempt adds a line "ok USER" or "refused USER" to FOLDER/auth.log.

Options:
  --folder DIR          where messages and the login log go (required)
  --user U --password P the one login accepted
  --security plain|starttls|tls
  --require-starttls    530 to everything but EHLO, STARTTLS, NOOP, QUIT before TLS
  --auth-required       530 to MAIL FROM before a login
  --auth-in-clear       offer AUTH without TLS
  --prompts aiosmtpd|classic   "User Name\\0"/"Password\\0" or "USERNAME:"/"password:"
  --refuse TEXT         550 for recipients that contain TEXT
  --cert PEM --key PEM  the server's certificate
"""
import argparse
import asyncio
import json
import logging
import os
import ssl
import threading
import time
import warnings

from aiosmtpd.smtp import SMTP, AuthResult

LIFETIME_SECONDS = 300


class ClassicPromptSMTP(SMTP):
    AuthLoginUsernameChallenge = "USERNAME:"
    AuthLoginPasswordChallenge = "password:"


class Handler:
    def __init__(self, folder, refuse):
        self.folder = folder
        self.refuse = refuse
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, options):
        if self.refuse and self.refuse in address:
            return "550 5.1.1 Mailbox unavailable"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.folder, "message-%d" % self.count)
        with open(base + ".eml", "wb") as stored:
            stored.write(envelope.original_content or envelope.content)
        with open(base + ".json", "w") as stored:
            json.dump({"mailFrom": envelope.mail_from, "rcptTos": envelope.rcpt_tos,
                       "mailOptions": envelope.mail_options,
                       "encrypted": server.transport.get_extra_info("ssl_object") is not None}, stored)
        return "250 Message accepted"


class Authenticator:
    def __init__(self, folder, user, password):
        self.log = os.path.join(folder, "auth.log")
        self.user = user
        self.password = password

    def __call__(self, server, session, envelope, mechanism, auth_data):
        login = auth_data.login.decode(errors="replace")
        accepted = login == self.user and auth_data.password.decode(errors="replace") == self.password
        with open(self.log, "a") as log:
            log.write("%s %s\n" % ("ok" if accepted else "refused", login))
        return AuthResult(success=accepted, handled=False)


def watch_parent(parent):
    deadline = time.monotonic() + LIFETIME_SECONDS
    while os.getppid() == parent and time.monotonic() < deadline:
        time.sleep(0.2)
    os._exit(0)


async def serve(options):
    context = None
    if options.cert:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(options.cert, options.key)
    handler = Handler(options.folder, options.refuse)
    smtp_class = ClassicPromptSMTP if options.prompts == "classic" else SMTP

    def protocol():
        return smtp_class(handler, hostname="peer.test",
                          tls_context=context if options.security == "starttls" else None,
                          require_starttls=options.require_starttls,
                          auth_required=options.auth_required,
                          auth_require_tls=not options.auth_in_clear,
                          authenticator=Authenticator(options.folder, options.user, options.password))

    loop = asyncio.get_running_loop()
    server = await loop.create_server(protocol, "127.0.0.1", 0,
                                      ssl=context if options.security == "tls" else None)
    print(server.sockets[0].getsockname()[1], flush=True)
    await asyncio.Event().wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--folder", required=True)
    parser.add_argument("--user", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--security", choices=["plain", "starttls", "tls"], default="plain")
    parser.add_argument("--require-starttls", action="store_true")
    parser.add_argument("--auth-required", action="store_true")
    parser.add_argument("--auth-in-clear", action="store_true")
    parser.add_argument("--prompts", choices=["aiosmtpd", "classic"], default="aiosmtpd")
    parser.add_argument("--refuse", default="")
    parser.add_argument("--cert", default="")
    parser.add_argument("--key", default="")
    options = parser.parse_args()
    # The settings of the tests are deliberate: no advice about them on stderr.
    warnings.simplefilter("ignore")
    logging.getLogger("mail.log").setLevel(logging.ERROR)
    threading.Thread(target=watch_parent, args=(os.getppid(),), daemon=True).start()
    asyncio.run(serve(options))


if __name__ == "__main__":
    main()
