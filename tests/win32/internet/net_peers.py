#!/usr/bin/python3
"""The FTP and SMTP servers the internet tests talk to, on 127.0.0.1.

  net_peers.py start STATE   starts the servers in the background, returns once they listen
  net_peers.py stop STATE    stops them
  net_peers.py serve STATE   (used by start) runs them in the foreground

STATE receives: ports.txt ("ftp=N", "smtp=N", "smtpplain=N", "smtphelo=N" lines: SMTP with
LOGIN and PLAIN, with PLAIN only, without EHLO), ftproot/ (the FTP user's home), mail/ (one
file per delivered message: "FROM <path>", "RCPT <a>,<b>", then the message's data as
received), peers.pid and peers.log.
"""

import os
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time
import uuid

FTP_USER, FTP_PASSWORD = "vxuser", "vxpass"
SMTP_USER, SMTP_PASSWORD = "mailer", "letmein"
# A run whose cleanup never came (a killed ctest) must not leave servers behind for ever.
LIFETIME_SECONDS = 1800


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def start_ftp(state):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import ThreadedFTPServer

    authorizer = DummyAuthorizer()
    authorizer.add_user(FTP_USER, FTP_PASSWORD, os.path.join(state, "ftproot"), perm="elradfmwMT")

    class Handler(FTPHandler):
        pass

    Handler.authorizer = authorizer
    Handler.banner = "vx test server ready."
    Handler.auth_failed_timeout = 0.1  # the default 3 s pause only slows the tests
    server = ThreadedFTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.address[1]


def start_smtp(state, exclude, knows_ehlo=True):
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

    mail = os.path.join(state, "mail")

    class Handler:
        async def handle_DATA(self, server, session, envelope):
            name = os.path.join(mail, uuid.uuid4().hex)
            with open(name + ".tmp", "wb") as out:
                out.write(b"FROM " + envelope.mail_from.encode("latin-1") + b"\r\n")
                out.write(b"RCPT " + ",".join(envelope.rcpt_tos).encode("latin-1") + b"\r\n")
                out.write(envelope.original_content)
            os.replace(name + ".tmp", name + ".eml")
            return "250 OK"

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = isinstance(auth_data, LoginPassword) and \
            auth_data.login == SMTP_USER.encode() and auth_data.password == SMTP_PASSWORD.encode()
        # handled=False: the server itself answers a refusal with its 535 reply.
        return AuthResult(success=ok, handled=False)

    class NullPathSMTP(SMTP):
        # The null reverse path "<>" is valid SMTP and what a client without a sender sends;
        # aiosmtpd refuses it where a real relay accepts it, so this peer takes it as "<>".
        def _getaddr(self, arg):
            if arg.strip().startswith("<>"):
                return "<>", arg.strip()[2:]
            return super()._getaddr(arg)

    class OldSMTP(NullPathSMTP):
        # A server from before the extensions: refuses EHLO, so the client must say HELO.
        async def smtp_EHLO(self, hostname):
            await self.push("502 5.5.1 Error: command \"EHLO\" not implemented")

    class NullPathController(Controller):
        def factory(self):
            server = NullPathSMTP if knows_ehlo else OldSMTP
            return server(self.handler, **self.SMTP_kwargs)

    port = free_port()
    controller = NullPathController(
        Handler(), hostname="127.0.0.1", port=port, authenticator=authenticator,
        auth_require_tls=False, auth_exclude_mechanism=exclude, decode_data=False)
    controller.start()
    return port


def serve(state):
    # Every server thread inherits a blocked SIGTERM, so the signal waits for the main
    # thread's sigtimedwait below instead of landing in a thread that cannot act on it.
    signal.pthread_sigmask(signal.SIG_BLOCK, [signal.SIGTERM])
    for folder in ("ftproot", "mail"):
        path = os.path.join(state, folder)
        shutil.rmtree(path, ignore_errors=True)
        os.makedirs(path)
    ports = {
        "ftp": start_ftp(state),
        "smtp": start_smtp(state, []),
        "smtpplain": start_smtp(state, ["LOGIN"]),
        "smtphelo": start_smtp(state, [], knows_ehlo=False),
    }
    with open(os.path.join(state, "ports.tmp"), "w") as out:
        out.writelines(f"{name}={port}\n" for name, port in ports.items())
    os.replace(os.path.join(state, "ports.tmp"), os.path.join(state, "ports.txt"))
    signal.sigtimedwait([signal.SIGTERM], LIFETIME_SECONDS)
    os._exit(0)


def alive(pid):
    # An exited server whose parent is gone stays a zombie until init reaps it: that is gone.
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def stop(state):
    try:
        with open(os.path.join(state, "peers.pid")) as f:
            pid = int(f.read().strip())
    except (OSError, ValueError):
        return
    os.remove(os.path.join(state, "peers.pid"))
    if os.path.exists(os.path.join(state, "ports.txt")):
        os.remove(os.path.join(state, "ports.txt"))
    # A pid left by an earlier run may belong to another process by now.
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as f:
            ours = f.read().split(b"\0")[-3:-1] == [b"serve", state.encode()]
    except OSError:
        ours = False
    if not ours:
        return
    try:
        os.kill(pid, signal.SIGTERM)
        for _ in range(50):
            if not alive(pid):
                break
            time.sleep(0.05)
        else:
            os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def start(state):
    os.makedirs(state, exist_ok=True)
    stop(state)  # what an interrupted earlier run may have left
    ports = os.path.join(state, "ports.txt")
    if os.path.exists(ports):
        os.remove(ports)
    # Detached, with its output in a file: a child holding ctest's pipe would make ctest wait.
    with open(os.path.join(state, "peers.log"), "wb") as log:
        child = subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", state],
                                 stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                 start_new_session=True, close_fds=True)
    with open(os.path.join(state, "peers.pid"), "w") as f:
        f.write(str(child.pid))
    for _ in range(300):
        if os.path.exists(ports):
            print(open(ports).read(), end="")
            return 0
        if child.poll() is not None:
            break
        time.sleep(0.1)
    print("The test servers did not start:")
    print(open(os.path.join(state, "peers.log")).read())
    stop(state)
    return 1


if __name__ == "__main__":
    command, state = sys.argv[1], os.path.abspath(sys.argv[2])
    if command == "serve":
        serve(state)
    elif command == "start":
        sys.exit(start(state))
    elif command == "stop":
        stop(state)
