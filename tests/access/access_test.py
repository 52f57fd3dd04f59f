#!/usr/bin/python3
"""The window program as an assistive tool sees it: a client of the accessibility bus (libatspi)
attached to the running program on a private display and session bus.

Usage: access_test.py VERITOME. Exits 77 (skipped) when the accessibility registry, the client
library, Xvfb or dbus-run-session is missing.
"""
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
import warnings

SKIP = 77
LAUNCHER = '/usr/libexec/at-spi-bus-launcher'


def skip(why):
    print('SKIPPED: ' + why)
    sys.exit(SKIP)


def prerequisites():
    if not os.path.exists(LAUNCHER):
        skip('at-spi2-core (the accessibility bus launcher) is not installed')
    for tool in ('Xvfb', 'dbus-run-session', 'xclip'):
        if not shutil.which(tool):
            skip(tool + ' is not installed')
    try:
        import gi
        gi.require_version('Atspi', '2.0')
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError):
        skip('the AT-SPI client library for Python (gir1.2-atspi-2.0, python3-gi) is missing')


# Inside the private bus: the display, the program and the client.
def main(program):
    import gi
    gi.require_version('Atspi', '2.0')
    from gi.repository import Atspi, GLib

    work = tempfile.mkdtemp(prefix='veritome-access-')
    runtime = os.path.join(work, 'run')
    os.mkdir(runtime, 0o700)
    read, write = os.pipe()
    xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24',
                             '-nolisten', 'tcp', '-noreset'], pass_fds=[write],
                            stderr=subprocess.DEVNULL)
    os.close(write)
    number = b''
    while not number.endswith(b'\n'):
        chunk = os.read(read, 32)
        if not chunk:
            break
        number += chunk
    os.close(read)
    display = ':' + number.decode().strip()
    env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=os.path.join(work, 'config'),
               XDG_RUNTIME_DIR=runtime, LANGUAGE='en_US', LANG='en_US.UTF-8')
    env.pop('LC_ALL', None)
    env.pop('LC_MESSAGES', None)
    os.environ['DISPLAY'] = display
    children = [xvfb]
    if shutil.which('openbox'):
        children.append(subprocess.Popen(['openbox'], env=env, stderr=subprocess.DEVNULL))
    failures = []

    def check(ok, what):
        print(('ok    ' if ok else 'FAIL  ') + what)
        if not ok:
            failures.append(what)

    def pump():
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def wait(condition, seconds=10):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            pump()
            value = condition()
            if value:
                return value
            time.sleep(0.02)
        return None

    def action_name(node):
        with warnings.catch_warnings():
            warnings.simplefilter('ignore', DeprecationWarning)  # its replacement is newer
            return node.get_action_name(0)

    def walk(node):
        yield node
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                yield from walk(child)

    def find(root, role=None, name=None):
        for node in walk(root):
            if (role is None or node.get_role_name() == role) and \
                    (name is None or node.get_name() == name):
                return node
        return None

    try:
        # The client first: it starts the accessibility bus, which the program then finds.
        desktop = Atspi.get_desktop(0)
        data = b'veritome accessibility\n'
        sample = os.path.join(work, 'sample.txt')
        with open(sample, 'wb') as f:
            f.write(data)
        code = hashlib.sha256(data).hexdigest()
        children.append(subprocess.Popen([program], env=env))

        def application():
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_name() == 'veritome' and app.get_child_count():
                    return app
            return None

        app = wait(application, 20)
        check(app is not None, 'the program is on the accessibility bus')
        if app is None:
            return 1
        window = app.get_child_at_index(0)
        wait(lambda: find(window, 'push button', 'Copy MD5'))

        # Role and name of each kind of widget in the dialog.
        table = [
            ('frame', None),
            ('menu bar', None),
            ('menu', 'View'),
            ('check menu item', 'Keep on Top'),
            ('check menu item', 'Deutsch'),
            ('radio menu item', 'Black'),
            ('separator', None),
            ('combo box', 'Calculate Hash Code'),
            ('list item', 'Verify Hash Code'),
            ('list item', 'SHA-512'),  # a match type, without its label's colon
            ('check box', 'Keep on Top'),
            ('check box', 'MD5'),
            ('push button', 'Copy MD5'),
            ('push button', 'Copy File Name'),
            ('text', 'SHA-256'),
            ('text', 'Enter Hash Code to Match'),
            ('panel', 'Name and Size'),
            ('label', 'Verify Hash Code'),
            ('scroll pane', None),
            ('scroll bar', None),
            ('viewport', None),
            ('table', 'Check Hash File'),
            ('column header', 'Result'),
        ]
        for role, name in table:
            check(find(window, role, name) is not None, '%s named %r' % (role, name))
        # Plain boxes are fillers, as a screen reader passes over them; pure spacing is left out.
        empty = [n for n in walk(window) if n.get_role_name() == 'filler' and
                 n.get_child_count() == 0]
        check(not empty, 'no empty fillers (%d)' % len(empty))
        md5 = find(window, 'text', 'MD5')
        relation = [r for r in md5.get_relation_set()
                    if r.get_relation_type() == Atspi.RelationType.LABELLED_BY]
        check(bool(relation) and relation[0].get_target(0).get_name().startswith('MD5'),
              'the MD5 field is labelled by its check box')

        # "Version Information" chosen through its action opens the About window, a dialog.
        about = find(find(window, 'menu', 'About'), 'menu item', 'Version Information')
        about.do_action(0)
        dialog = wait(lambda: find(app, 'dialog'))
        check(dialog is not None and dialog.get_name() != '',
              'the About window is a named dialog (%r)' % (dialog and dialog.get_name()))
        if dialog is not None:
            check(find(dialog, 'link') is not None, 'its web address is a link')
            close = find(dialog, 'push button', 'Close')
            check(close is not None, 'it has a "Close" button')
            buttons = [n.get_name() for n in walk(dialog) if n.get_role_name() == 'push button']
            check(buttons == ['Close', 'Close'],
                  'its glyph button is named like the one beside it (%r)' % buttons)
            if close is not None:
                close.do_action(0)
            check(wait(lambda: not dialog.get_state_set().contains(Atspi.StateType.SHOWING))
                  is not None, '"Close" closes the About window')

        # A check item keeps its kind while unchecked: Keep on Top off through its check box.
        find(window, 'check box', 'Keep on Top').do_action(0)
        on_top = find(find(window, 'menu', 'View'), 'check menu item', 'Keep on Top')
        states = on_top.get_state_set() if on_top else None
        check(wait(lambda: not on_top.get_state_set().contains(Atspi.StateType.CHECKED))
              is not None and states.contains(Atspi.StateType.CHECKABLE),
              'an unchecked check item is a checkable check menu item')

        # The action list by its role: its list offers the four actions; choosing verify.
        actions = next((c for c in walk(window) if c.get_role_name() == 'combo box' and
                        find(c, 'list item', 'Verify Hash Code')), None)
        check(actions is not None, 'the action list is found by its role')
        items = find(actions, 'list')
        items.select_child(1)
        check(wait(lambda: actions.get_name() == 'Verify Hash Code') is not None,
              'the action list switches to verify')

        # The verify page's code field by its name: the code typed in through the bus.
        entered = find(window, 'text', 'Enter Hash Code to Match')
        check(entered is not None and entered.get_state_set().contains(Atspi.StateType.EDITABLE),
              'the code field is found by its name and is editable')
        entered.set_text_contents(code)
        check(wait(lambda: entered.get_text(0, -1) == code) is not None,
              'the code field reads back the code')

        # A focus event when the focus moves (to the code field).
        focused = []
        listener = Atspi.EventListener.new(
            lambda e: focused.append(e.source.get_name()) if e.detail1 else None)
        listener.register('object:state-changed:focused')
        entered.grab_focus()
        check(wait(lambda: 'Enter Hash Code to Match' in focused) is not None,
              'the code field tells it has the focus')
        # Tab, typed as a key on the display, moves the focus on and is told as well.
        del focused[:]
        if shutil.which('xdotool'):
            subprocess.run(['xdotool', 'key', 'Tab'], env=env, timeout=10)
            check(wait(lambda: any(n != 'Enter Hash Code to Match' for n in focused))
                  is not None,
                  'Tab moves the focus from the code field and tells where (%r)' % focused)
        else:
            print('skip  Tab from the code field: xdotool is not installed')

        # The file as a second start hands it over: the verdict and the computed code.
        result = find(window, 'label', 'Please Drop a File to Test.')
        check(result is not None and 'live' in result.get_attributes(),
              'the verdict line is found and speaks its changes')
        # The enabled Copy buttons and the verdict's text, in the order they are told.
        told = []

        def tell(e):
            if e.type.startswith('object:text-changed'):
                told.append((e.type, e.any_data))
            elif e.detail1:
                told.append((e.type, e.source.get_name()))

        telling = Atspi.EventListener.new(tell)
        telling.register('object:state-changed:enabled')
        telling.register('object:text-changed:insert')
        def focus_in_window():
            return [n.get_name() for n in walk(window)
                    if n.get_state_set().contains(Atspi.StateType.FOCUSED)]

        had_focus = focus_in_window()
        subprocess.run([program, sample], env=env, timeout=20)
        verdict = wait(lambda: result.get_text(0, -1).startswith('Perfect Match!'), 20)
        check(verdict is not None, 'the verdict reads "Perfect Match!" (%r)' %
              result.get_text(0, -1))
        # The verdict's message box: an alert with the verdict, closed through its button.
        alert = wait(lambda: find(app, 'alert'))
        check(alert is not None and
              find(alert, 'label').get_text(0, -1).startswith('Perfect Match!'),
              'the message box is an alert that reads the verdict')
        ok = find(alert, 'push button')
        check(ok is not None and ok.get_state_set().contains(Atspi.StateType.FOCUSED),
              'its button has the focus')
        ok.do_action(0)
        check(wait(lambda: find(app, 'alert') is None) is not None, 'its button closes it')
        check(wait(lambda: focus_in_window() == had_focus) is not None and had_focus,
              'the focus is back where it was before the box (%r, %r)' %
              (had_focus, focus_in_window()))
        computed = find(window, 'text', 'Hash Code')
        check(computed is not None and computed.get_text(0, -1).lower() == code,
              'the computed code reads through the text interface')

        # A named "Copy" pressed through its action puts the code on the clipboard.
        copy = find(window, 'push button', 'Copy Hash Code')
        check(copy is not None and action_name(copy) == 'click', '"Copy Hash Code" clicks')
        enabled = ('object:state-changed:enabled', 'Copy Hash Code')
        spoken = ('object:text-changed:insert', result.get_text(0, -1))
        in_order = wait(lambda: spoken in told) is not None and enabled in told and \
            told.index(enabled) < told.index(spoken)
        check(in_order, '"Copy Hash Code" is told enabled before the verdict is spoken' +
              ('' if in_order else ' (%r)' % told))
        check(wait(lambda: copy.get_state_set().contains(Atspi.StateType.ENABLED)) is not None,
              'its state says enabled once the run is over')
        copy.do_action(0)

        pasted = []

        def clipboard():
            out = subprocess.run(['xclip', '-o', '-selection', 'clipboard'], env=env,
                                 capture_output=True, text=True)
            pasted.append(out.stdout)
            return out.stdout.strip().lower() == code

        check(wait(clipboard) is not None, 'the clipboard holds the code (%r)' % pasted[-1:])
        # Like a click, the action gives the copied field the focus with all of it selected.
        check(wait(lambda: focus_in_window() == ['Hash Code']) is not None and
              computed.get_selection(0).end_offset == len(code),
              '"Copy" leaves the focus in its field, all selected (%r)' % focus_in_window())

        # A checksum list's results as a table: the failure first, read by row and column.
        good, bad = os.path.join(work, 'good.txt'), os.path.join(work, 'bad.txt')
        for path in (good, bad):
            with open(path, 'wb') as f:
                f.write(path.encode())
        listing = os.path.join(work, 'list.sha256')
        with open(listing, 'w') as f:
            f.write('%s  good.txt\n%s  bad.txt\n' %
                    (hashlib.sha256(good.encode()).hexdigest(), '0' * 64))
        items.select_child(2)
        check(wait(lambda: actions.get_name() == 'Check Hash File') is not None,
              'the action list switches to checking a list')
        subprocess.run([program, listing], env=env, timeout=20)
        table = wait(lambda: next((n for n in walk(window) if n.get_role_name() == 'table' and
                                   n.get_state_set().contains(Atspi.StateType.SHOWING) and
                                   n.get_n_rows() == 2), None), 20)
        check(table is not None, 'the results are a table of two rows')
        if table is not None:
            headings = [table.get_column_header(c).get_name()
                        for c in range(table.get_n_columns())]
            check(headings == ['Name', 'Algorithm', 'Result'] and
                  table.get_column_header(2).get_role_name() == 'column header',
                  'its columns are headed (%r)' % headings)
            rows = [[table.get_accessible_at(r, c).get_text(0, -1) for c in range(3)]
                    for r in range(2)]
            check(rows == [['bad.txt', 'SHA-256', 'FAILED'], ['good.txt', 'SHA-256', 'OK']],
                  'its cells read the results, the failure first (%r)' % rows)
            cell = table.get_accessible_at(1, 2)
            where = Atspi.TableCell.get_position(cell)
            check(cell.get_role_name() == 'table cell' and (where.row, where.column) == (1, 2) and
                  [h.get_name() for h in Atspi.TableCell.get_column_header_cells(cell)] ==
                  ['Result'], 'a cell knows its row, column and heading')
            picked = []
            picking = Atspi.EventListener.new(lambda e: picked.append(e.source.get_role_name()))
            picking.register('object:selection-changed')
            table.select_child(table.get_n_columns() * 2)  # the second row's first cell
            check(wait(lambda: 'table' in picked and table.is_row_selected(1)) is not None and
                  not table.is_row_selected(0) and
                  cell.get_state_set().contains(Atspi.StateType.SELECTED),
                  'a row chosen through the table is selected and told')
            # Tab from the last button reaches the table; its keys move the row a reader speaks.
            if shutil.which('xdotool'):
                rows_told = []
                rowing = Atspi.EventListener.new(
                    lambda e: rows_told.append(e.any_data.get_text(0, -1)) if e.any_data else None)
                rowing.register('object:active-descendant-changed')
                del focused[:]
                find(window, 'push button', 'Copy').grab_focus()
                wait(lambda: 'Copy' in focused)
                subprocess.run(['xdotool', 'key', 'Tab'], env=env, timeout=10)
                check(wait(lambda: 'Check Hash File' in focused) is not None,
                      'Tab reaches the table (%r)' % focused)
                subprocess.run(['xdotool', 'key', 'Up'], env=env, timeout=10)
                check(wait(lambda: rows_told[-1:] == ['bad.txt']) is not None,
                      'Up moves to the first row, and its first cell is told (%r)' % rows_told)

        # Names follow a change of language: the row's "Copy" in German.
        find(find(window, 'menu', 'Language'), 'check menu item', 'Deutsch').do_action(0)
        check(wait(lambda: find(window, 'push button', 'Kopieren MD5')) is not None,
              'the names follow the language ("Kopieren MD5")')
        if table is not None:
            check(wait(lambda: table.get_column_header(2).get_name() == 'Ergebnis') is not None,
                  'so do the table\'s headings ("Ergebnis")')
    finally:
        for child in reversed(children):
            child.terminate()
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


if __name__ == '__main__':
    if os.environ.get('VERITOME_ACCESS_BUS') != '1':
        prerequisites()
        env = dict(os.environ, VERITOME_ACCESS_BUS='1')
        sys.exit(subprocess.call(['dbus-run-session', '--', '/usr/bin/python3', __file__] +
                                 sys.argv[1:], env=env))
    sys.exit(main(sys.argv[1]))
