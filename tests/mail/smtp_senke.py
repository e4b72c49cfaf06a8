"""SMTP peer for the mail tests, listening on 127.0.0.1 only.

Usage: smtp_senke.py DIRECTORY PORT

Every message received is stored, decoded, in DIRECTORY/nachricht-N (N counts from 1): the
envelope, the raw data and the values a test checks, one file each. NOOP, DATA and QUIT are
logged with the client's port in DIRECTORY/ereignisse, so a test can tell connections apart.
DIRECTORY/bereit appears once the server accepts connections. A recipient whose address begins
with "abgelehnt" is refused with 550. The process runs until it is killed.
"""

import email
import email.policy
import email.utils
import os
import sys
import threading

from aiosmtpd.controller import Controller


class Senke:
    def __init__(self, verzeichnis):
        self.verzeichnis = verzeichnis
        self.anzahl = 0

    def protokoll(self, ereignis, session):
        with open(os.path.join(self.verzeichnis, "ereignisse"), "a") as datei:
            datei.write(f"{ereignis} {session.peer[1]}\n")

    async def handle_NOOP(self, server, session, envelope, arg):
        self.protokoll("NOOP", session)
        return "250 OK"

    async def handle_QUIT(self, server, session, envelope):
        self.protokoll("QUIT", session)
        return "221 Bye"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.startswith("abgelehnt"):
            return "550 Empfaenger abgelehnt"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.anzahl += 1
        ziel = os.path.join(self.verzeichnis, f"nachricht-{self.anzahl}")
        entwurf = ziel + ".entwurf"
        os.mkdir(entwurf)
        speichern(entwurf, envelope, session)
        os.rename(entwurf, ziel)
        self.protokoll("DATA", session)
        return "250 Message accepted for delivery"


def schreiben(verzeichnis, name, wert):
    if isinstance(wert, str):
        wert = wert.encode("utf-8")
    with open(os.path.join(verzeichnis, name), "wb") as datei:
        datei.write(wert)


def speichern(verzeichnis, envelope, session):
    roh = envelope.original_content or envelope.content
    schreiben(verzeichnis, "roh.eml", roh)
    schreiben(verzeichnis, "umschlag_absender", envelope.mail_from)
    schreiben(verzeichnis, "umschlag_empfaenger", "\n".join(envelope.rcpt_tos))
    schreiben(verzeichnis, "verbindung", str(session.peer[1]))
    nachricht = email.message_from_bytes(roh, policy=email.policy.default)
    schreiben(verzeichnis, "kopfnamen", "\n".join(nachricht.keys()))
    werte = {
        "betreff": lambda: str(nachricht["subject"]),
        "von_name": lambda: nachricht["from"].addresses[0].display_name,
        "von_adresse": lambda: nachricht["from"].addresses[0].addr_spec,
        "antwort_adresse": lambda: nachricht["reply-to"].addresses[0].addr_spec,
        "an": lambda: "\n".join(a.addr_spec for a in nachricht["to"].addresses),
        "mailer": lambda: str(nachricht["x-mailer"]),
        "datum": lambda: str(nachricht["date"]),
        "datum_sekunden": lambda: str(
            int(email.utils.parsedate_to_datetime(str(nachricht["date"])).timestamp())),
        "nachrichten_id": lambda: str(nachricht["message-id"]),
        "text": lambda: nachricht.get_body(("plain",)).get_payload(decode=True),
        "text_zeichensatz": lambda: nachricht.get_body(("plain",)).get_content_charset(),
    }
    for name, wert in werte.items():
        try:
            if (inhalt := wert()) is not None:
                schreiben(verzeichnis, name, inhalt)
        except Exception:  # a missing header leaves its file missing
            pass
    for nummer, teil in enumerate(nachricht.iter_attachments(), 1):
        schreiben(verzeichnis, f"anlage-{nummer}.name", teil.get_filename() or "")
        schreiben(verzeichnis, f"anlage-{nummer}.daten", teil.get_payload(decode=True))


def main():
    verzeichnis, port = sys.argv[1], int(sys.argv[2])
    controller = Controller(Senke(verzeichnis), hostname="127.0.0.1", port=port)
    controller.start()
    schreiben(verzeichnis, "bereit", "")
    threading.Event().wait()


if __name__ == "__main__":
    main()
