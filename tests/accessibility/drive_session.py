#!/usr/bin/python3
"""Drives a whole session of the running program over the accessibility bus.

Every control is found the way a screen reader meets it: by its role and its
accessible name, never by an object name. Buttons are pressed through their
accessible action, text is typed and keys are pressed through the bus's key
synthesis, sliders are set through their value or moved with arrow keys.

The session: New Session, Goal, Criteria Set and Rate, T. Assets,
AutoSuggest, Evaluate, the two views, Clustering (cancelled), Make/Save
Report through the file dialog, View/Edit Ideas with a keyboard selection and
Delete, Exit. Checked: each step's effect as the bus shows it, the report's
bytes against tests/data/accessibility/session-report.txt (its date line
computed from today's date), and that every enabled push button, text box,
slider and list in every window and page the session met has a name.

Run by run_session.sh inside a private X server and session bus. Exit codes:
0 passed, 1 failed, 77 the accessibility bus cannot be reached (skipped).
"""

import argparse
import datetime
import os
import subprocess
import sys
import time

SKIP = 77

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib  # noqa: E402
except (ImportError, ValueError) as error:
    print(f"SKIPPED: the accessibility library cannot be imported: {error}", file=sys.stderr)
    sys.exit(SKIP)


def accessibility_bus_problem():
    """Why the accessibility bus cannot be reached, or None when it can.

    Asked before the accessibility library connects: it ends the whole
    process when it finds no bus."""
    try:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                  GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, 10000, None)
        address = reply.unpack()[0]
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        Gio.DBusConnection.new_for_address_sync(address, flags, None, None).close_sync(None)
    except GLib.Error as error:
        return error.message
    return None


problem = accessibility_bus_problem()
if problem:
    print(f"SKIPPED: the accessibility bus cannot be reached: {problem}", file=sys.stderr)
    sys.exit(SKIP)

import pyatspi  # noqa: E402  (connects to the bus checked above)


class Failure(Exception):
    """A step of the session did not do what a user may expect."""


class Skipped(Exception):
    """The machine cannot host the test."""


R = pyatspi  # roles and states, short

# Roles a user types into, presses, moves or picks from: each needs a name.
NAMED_ROLES = {
    R.ROLE_PUSH_BUTTON: "push button",
    R.ROLE_TOGGLE_BUTTON: "toggle button",
    R.ROLE_CHECK_BOX: "check box",
    R.ROLE_TEXT: "text box",
    R.ROLE_ENTRY: "text box",
    R.ROLE_PASSWORD_TEXT: "text box",
    R.ROLE_SLIDER: "slider",
    R.ROLE_LIST: "list",
    R.ROLE_LIST_BOX: "list",
    R.ROLE_TABLE: "list",
    R.ROLE_TREE: "list",
    R.ROLE_TREE_TABLE: "list",
}
# Their items are read only where a step needs them: a list of files can be long.
CONTAINERS_OF_ITEMS = {R.ROLE_LIST, R.ROLE_LIST_BOX, R.ROLE_TABLE, R.ROLE_TREE, R.ROLE_TREE_TABLE,
                       R.ROLE_COMBO_BOX}
WINDOW_ROLES = {R.ROLE_FRAME, R.ROLE_DIALOG, R.ROLE_WINDOW, R.ROLE_ALERT, R.ROLE_FILE_CHOOSER}

KEY_RETURN = 0xFF0D
KEY_DOWN = 0xFF54
KEY_LEFT = 0xFF51
KEY_RIGHT = 0xFF53
KEY_SPACE = 0x0020
KEY_HOME = 0xFF50

STEP_TIMEOUT = 8.0  # seconds for a window or a control to appear


def pump():
    """Lets the bus library take in the signals that arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(probe, what, timeout=STEP_TIMEOUT):
    """Polls `probe` until it gives something true; fails after `timeout` s."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = probe()
        except GLib.Error:
            value = None  # the object went away while it was read
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(0.05)


def states(acc):
    return acc.getState()


def showing(acc):
    s = states(acc)
    return s.contains(R.STATE_SHOWING) and s.contains(R.STATE_VISIBLE)


def enabled(acc):
    s = states(acc)
    return s.contains(R.STATE_ENABLED) and s.contains(R.STATE_SENSITIVE)


def role_text(acc):
    return acc.getRoleName()


def children(acc):
    try:
        return [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except GLib.Error:
        return []


def descendants(root):
    """The showing descendants of `root`, depth first, without the items of lists."""
    stack = list(reversed(children(root)))
    while stack:
        acc = stack.pop()
        if acc is None:
            continue
        try:
            if not showing(acc):
                continue
            yield acc
            if acc.getRole() in CONTAINERS_OF_ITEMS:
                continue
            stack.extend(reversed(children(acc)))
        except GLib.Error:
            continue


class Session:
    """The running program as the accessibility bus shows it."""

    def __init__(self, program, out):
        self.program = os.path.abspath(program)
        self.out = out
        self.process = None
        self.app = None
        self.faults = []  # controls that fail a screen reader user
        self.expected_failures = []  # known faults, reported but not failing
        self.notes = []  # what the toolkit cannot show, told once
        self.reported = set()
        self.checked = 0  # controls whose names the audit read
        self.audited_windows = set()
        self.dump = os.environ.get("QUILLANE_ATSPI_DUMP") == "1"

    # ----- start and end -------------------------------------------------

    def start(self):
        try:
            pyatspi.Registry.getDesktop(0).childCount  # noqa: B018 - reaching the registry is the check
        except GLib.Error as error:
            raise Skipped(f"the accessibility registry cannot be reached: {error}") from error
        log = open(os.path.join(self.out, "program.log"), "w")
        # Started in the temporary folder: a file dialog opens there.
        self.process = subprocess.Popen([self.program], stdout=log, stderr=subprocess.STDOUT, cwd=self.out)

        def find_app():
            if self.process.poll() is not None:
                raise Failure(f"the program ended at start-up with code {self.process.returncode}")
            for app in children(pyatspi.Registry.getDesktop(0)):
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            return None

        # The bus works: a program that does not show on it fails its users.
        self.app = wait_for(find_app, "the program on the accessibility bus", timeout=15)
        # Read everything fresh: the program changes under our feet.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    # ----- windows and controls ---------------------------------------------

    def windows(self):
        return [w for w in children(self.app) if w is not None and w.getRole() in WINDOW_ROLES and showing(w)]

    def window(self, title, timeout=STEP_TIMEOUT):
        """The program's window with the title `title`, once it shows."""
        return wait_for(lambda: next((w for w in self.windows() if w.name == title), None),
                        f"the window \"{title}\"", timeout)

    def window_with(self, role, name, timeout=STEP_TIMEOUT):
        """The shown window holding a control of `role` named `name` (a title-less dialog)."""
        def probe():
            for w in self.windows():
                if any(a.getRole() == role and a.name == name for a in descendants(w)):
                    return w
            return None
        return wait_for(probe, f"a window with a control \"{name}\"", timeout)

    def gone(self, window, what):
        wait_for(lambda: all(w != window for w in self.windows()), f"{what} to close")

    def control(self, window, roles, name, timeout=STEP_TIMEOUT):
        """The showing control of one of `roles` named `name` in `window`."""
        roles = roles if isinstance(roles, (set, tuple, list)) else {roles}

        def probe():
            return next((a for a in descendants(window) if a.getRole() in roles and a.name == name), None)
        return wait_for(probe, f"the control \"{name}\" in \"{window.name}\"", timeout)

    def button(self, window, name):
        return self.control(window, {R.ROLE_PUSH_BUTTON, R.ROLE_TOGGLE_BUTTON, R.ROLE_CHECK_BOX}, name)

    def text_box(self, window, name):
        return self.control(window, {R.ROLE_TEXT, R.ROLE_ENTRY}, name)

    def press(self, window, name):
        """Presses the enabled button `name` in `window` through its accessible action."""
        button = self.button(window, name)
        wait_for(lambda: enabled(button), f"the button \"{name}\" in \"{window.name}\" to be enabled")
        self.act(button, name, window)
        return button

    def act(self, acc, name, window):
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for wanted in ("Press", "press", "click", "Toggle", "toggle"):
            if wanted in names:
                action.doAction(names.index(wanted))
                return
        raise Failure(f"\"{name}\" in \"{window.name}\" offers no press action (actions: {names})")

    def focus(self, acc, what):
        acc.queryComponent().grabFocus()
        wait_for(lambda: states(acc).contains(R.STATE_FOCUSED), f"{what} to take the keyboard focus")

    def key(self, keysym, times=1):
        for _ in range(times):
            pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
            time.sleep(0.02)

    def type_into(self, box, text, what, enter=False):
        """Types `text` into `box` by key synthesis and checks that it arrived."""
        self.focus(box, what)
        before = self.text_of(box)
        pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)
        wait_for(lambda: self.text_of(box) == before + text, f"\"{text}\" to arrive in {what}")
        if enter:
            self.key(KEY_RETURN)

    @staticmethod
    def text_of(acc):
        t = acc.queryText()
        return t.getText(0, t.characterCount)

    @staticmethod
    def value_of(acc):
        return acc.queryValue().currentValue

    def list_items(self, lst):
        return [c for c in children(lst) if c is not None and c.getRole() in (R.ROLE_LIST_ITEM, R.ROLE_TABLE_CELL)]

    # ----- the name audit -------------------------------------------------

    def audit(self, window, where):
        """Every enabled push button, text box, slider and list showing in
        `window` must carry a name a screen reader can speak."""
        self.audited_windows.add(where.split(",")[0])
        if self.dump:
            dump_window(window, f"audit: {where}")
        for acc in descendants(window):
            role = acc.getRole()
            if role not in NAMED_ROLES or not enabled(acc):
                continue
            self.checked += 1
            if acc.name.strip():
                continue
            parent = acc.parent
            key = (where.split(",")[0], role, parent.name if parent else "", acc.getIndexInParent())
            if key in self.reported:
                continue
            self.reported.add(key)
            context = f"inside \"{parent.name}\" ({role_text(parent)})" if parent is not None else ""
            self.faults.append(f"{where}: an enabled {NAMED_ROLES[role]} ({role_text(acc)}) "
                               f"has no accessible name {context}".rstrip())

    def note(self, message):
        if message not in self.notes:
            self.notes.append(message)

    def expect_failure(self, message):
        print(f"EXPECTED FAILURE (known fault): {message}")
        self.expected_failures.append(message)


# ----- the session ----------------------------------------------------------

GOAL = "Open a small bakery in town"
CRITERIA = ["Low cost", "Quick start", "Fun to run"]
# Slider positions of the three pairs (1-2, 1-3, 2-3), moved by arrow keys
# from the middle (5): 0 much less .. 10 much more important.
CRITERIA_RATINGS = [6, 9, 7]
TANGIBLES = ["Old van", "Big oven"]
INTANGIBLES = ["Baking skill", "Friendly staff"]
IDEAS = ["Sell bread from the van", "Bake pizza at night"]
# Ratings of each idea against each criterion, idea by idea.
EVALUATION = {IDEAS[0]: [8, 6, 9], IDEAS[1]: [4, 7, 5]}
REPORT_NAME = "session-report.txt"
MONTHS = ["JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY", "JUNE", "JULY", "AUGUST", "SEPTEMBER",
          "OCTOBER", "NOVEMBER", "DECEMBER"]


def open_menu(s, main, menu):
    """Opens a menu of the main window; its frame of commands appears."""
    button = s.button(main, menu)
    if not states(button).contains(R.STATE_CHECKED):
        s.press(main, menu)
        wait_for(lambda: states(button).contains(R.STATE_CHECKED), f"the menu \"{menu}\" to open")
    s.audit(main, f"main window, menu {menu} open")


def answer(s, question_words, reply):
    """Answers the message box whose text holds `question_words` with `reply`."""
    def probe():
        for w in s.windows():
            if w.getRole() not in (R.ROLE_DIALOG, R.ROLE_ALERT):
                continue
            texts = [a.name for a in descendants(w) if a.getRole() == R.ROLE_LABEL]
            if any(question_words in t for t in texts):
                return w
        return None
    box = wait_for(probe, f"the question \"{question_words}\"")
    s.audit(box, f"message box \"{question_words}\"")
    s.press(box, reply)
    s.gone(box, f"the question \"{question_words}\"")


def new_session_and_goal(s, main):
    open_menu(s, main, "Start")
    s.press(main, "New Session")
    open_menu(s, main, "Start")
    s.press(main, "Goal")
    dialog = s.window("Start")
    s.audit(dialog, "Goal dialog")
    box = s.text_box(dialog, "Enter your Goal below:")
    s.type_into(box, GOAL, "the goal box")
    s.press(dialog, "OK")
    s.gone(dialog, "the Goal dialog")


def criteria(s, main):
    open_menu(s, main, "Criteria")
    s.press(main, "Set")
    dialog = s.window("Criteria")
    s.audit(dialog, "Criteria dialog, Set page")
    box = s.text_box(dialog, "Enter your Criteria below:")
    for criterion in CRITERIA:
        s.type_into(box, criterion, "the criteria box", enter=True)
        wait_for(lambda: s.text_of(box) == "", f"Enter to take the criterion \"{criterion}\"")
    lst = s.control(dialog, set(NAMED_ROLES) & CONTAINERS_OF_ITEMS, "Your Criteria")
    wait_for(lambda: [i.name for i in s.list_items(lst)] == CRITERIA, "the three criteria in the list")
    s.audit(dialog, "Criteria dialog, Set page, criteria entered")
    s.press(dialog, "OK")
    s.gone(dialog, "the Criteria dialog")

    open_menu(s, main, "Criteria")
    s.press(main, "Rate")
    dialog = s.window("Criteria")
    s.audit(dialog, "Criteria dialog, Rate page")
    slider = s.control(dialog, R.ROLE_SLIDER, "Relative importance")
    ok = s.button(dialog, "OK")
    if enabled(ok):
        raise Failure("Criteria Rate: OK is enabled before every pair is rated")
    for number, rating in enumerate(CRITERIA_RATINGS, 1):
        # The slider has the focus at each pair: arrow keys move it.
        wait_for(lambda: states(slider).contains(R.STATE_FOCUSED), f"the slider's focus at pair {number}")
        wait_for(lambda: s.value_of(slider) == 5, f"the slider back in the middle at pair {number}")
        s.key(KEY_RIGHT if rating > 5 else KEY_LEFT, abs(rating - 5))
        wait_for(lambda: s.value_of(slider) == rating, f"arrow keys to move the slider to {rating}")
        s.press(dialog, "Next")
    # The last Next closes the dialog itself.
    s.gone(dialog, "the Criteria dialog after the last pair")


def assets(s, main):
    for command, label, entries in (("T. Assets", "Enter your Tangible Assets below:", TANGIBLES),
                                    ("I. Assets", "Enter your Intangible Assets below:", INTANGIBLES)):
        open_menu(s, main, "Ideas")
        s.press(main, command)
        dialog = s.window("Ideas")
        s.audit(dialog, f"Ideas dialog, {command} page")
        box = s.text_box(dialog, label)
        for asset in entries:
            s.type_into(box, asset, f"the {command} box", enter=True)
            wait_for(lambda: s.text_of(box) == "", f"Enter to take the asset \"{asset}\"")
        s.audit(dialog, f"Ideas dialog, {command} page, assets entered")
        s.press(dialog, "OK")
        s.gone(dialog, "the Ideas dialog")


def every_menu(s, main):
    """Opens each enabled menu but Exit, so every frame of commands is audited."""
    menus = [a for a in descendants(main) if a.getRole() in (R.ROLE_CHECK_BOX, R.ROLE_TOGGLE_BUTTON)]
    names = [m.name for m in menus if enabled(m) and m.name != "Exit"]
    if len(names) < 8:
        raise Failure(f"after an evaluation every menu but Exit is enabled; enabled are {names}")
    for name in names:
        open_menu(s, main, name)


def auto_suggest(s, main):
    open_menu(s, main, "Ideas")
    s.press(main, "AutoSuggest")
    dialog = s.window("Ideas")
    s.audit(dialog, "Ideas dialog, AutoSuggest page")
    box = s.text_box(dialog, "Please enter your ideas below:")
    for idea in IDEAS:
        s.type_into(box, idea, "the ideas box", enter=True)
        wait_for(lambda: s.text_of(box) == "", f"Enter to take the idea \"{idea}\"")
    s.press(dialog, "OK")
    s.gone(dialog, "the Ideas dialog")


def select_by_keyboard(s, lst, rows, what):
    """Moves through `lst` with the arrow keys and selects `rows` with Space."""
    s.focus(lst, what)
    items = s.list_items(lst)
    s.key(KEY_HOME)
    position = 0
    for row in sorted(rows):
        s.key(KEY_DOWN, row - position)
        position = row
        s.key(KEY_SPACE)
        wait_for(lambda: states(items[row]).contains(R.STATE_SELECTED),
                 f"Space to select \"{items[row].name}\" in {what}")
    selected = [i for i, item in enumerate(items) if states(item).contains(R.STATE_SELECTED)]
    if selected != sorted(rows):
        raise Failure(f"the keyboard selected rows {selected} of {what}, not {sorted(rows)}")
    # Where the toolkit offers the list's Selection interface, a screen
    # reader reads the same selection through it.
    try:
        selection = lst.querySelection()
    except NotImplementedError:
        s.note(f"{what} offers no Selection interface (the toolkit's bridge has none for lists); "
               "its items' selected states are read instead")
        return
    picked = [selection.getSelectedChild(i).name for i in range(selection.nSelectedChildren)]
    wanted = [items[row].name for row in sorted(rows)]
    if picked != wanted:
        raise Failure(f"the Selection interface of {what} gives {picked}, the keyboard selected {wanted}")


def evaluate(s, main):
    open_menu(s, main, "Ideas")
    s.press(main, "Evaluate")
    picker = s.window("Evaluation")
    s.audit(picker, "Evaluation: picking the ideas")
    lst = s.control(picker, set(NAMED_ROLES) & CONTAINERS_OF_ITEMS, "Your Ideas:")
    wait_for(lambda: [i.name for i in s.list_items(lst)] == IDEAS, "the ideas in the list to pick from")
    select_by_keyboard(s, lst, [0, 1], "the list of ideas to evaluate")
    s.press(picker, "OK")
    s.gone(picker, "the list of ideas to evaluate")

    dialog = s.window("Ideas")
    s.audit(dialog, "Ideas dialog, Evaluation page")
    slider = s.control(dialog, R.ROLE_SLIDER, "Evaluation")
    for idea in IDEAS:
        for number, rating in enumerate(EVALUATION[idea], 1):
            where = f"idea \"{idea}\", criterion {number}"
            wait_for(lambda: any(a.name == idea for a in descendants(dialog) if a.getRole() == R.ROLE_LABEL),
                     f"the idea shown for {where}")
            wait_for(lambda: s.value_of(slider) == 5, f"the slider back in the middle for {where}")
            # A screen reader sets a slider's value directly too.
            slider.queryValue().currentValue = float(rating)
            wait_for(lambda: s.value_of(slider) == rating, f"the slider to take the value {rating} for {where}")
            s.press(dialog, "Next")
    s.gone(dialog, "the Ideas dialog after the last rating")


def views(s, main):
    """The two pages that only show: the rated criteria and the ranked ideas."""
    open_menu(s, main, "Criteria")
    s.press(main, "View")
    dialog = s.window("Criteria")
    s.audit(dialog, "Criteria dialog, View page")
    s.control(dialog, set(NAMED_ROLES) & CONTAINERS_OF_ITEMS, "Your rated Criteria")
    s.press(dialog, "OK")
    s.gone(dialog, "the Criteria dialog")

    open_menu(s, main, "Ideas")
    s.press(main, "View Evaluation Results")
    dialog = s.window("Ideas")
    s.audit(dialog, "Ideas dialog, Evaluation Results page")
    s.press(dialog, "OK")
    s.gone(dialog, "the Ideas dialog")


def clustering(s, main):
    """Clustering: the picked ideas are listed under a question; Cancel adds nothing."""
    open_menu(s, main, "Ideas")
    s.press(main, "Clustering Ideas")
    picker = s.window("Clustering")
    s.audit(picker, "Clustering: picking the ideas")
    lst = s.control(picker, set(NAMED_ROLES) & CONTAINERS_OF_ITEMS, "Your Ideas:")
    select_by_keyboard(s, lst, [0, 1], "the list of ideas to cluster")
    s.press(picker, "OK")
    s.gone(picker, "the list of ideas to cluster")
    dialog = s.window("Ideas")
    s.audit(dialog, "Ideas dialog, Clustering page")
    s.text_box(dialog, "What do these ideas have in common?")
    s.press(dialog, "Cancel")
    s.gone(dialog, "the Ideas dialog")


def save_report(s, main, path):
    open_menu(s, main, "Reports")
    s.press(main, "Make/Save Report")
    dialog = s.window_with(R.ROLE_PUSH_BUTTON, "Save")
    s.audit(dialog, f"file dialog \"{dialog.name}\" (Qt's own)")
    box = s.text_box(dialog, "File name:")
    s.focus(box, "the file name box")
    # Whatever name the dialog proposes is replaced by the whole path.
    box.queryEditableText().setTextContents("")
    wait_for(lambda: s.text_of(box) == "", "the file name box to empty")
    s.type_into(box, path, "the file name box")
    s.press(dialog, "Save")
    s.gone(dialog, "the file dialog")
    wait_for(lambda: os.path.exists(path), f"the report {path} to be written")


def view_edit_delete(s, main):
    open_menu(s, main, "Ideas")
    s.press(main, "View/Edit Ideas")
    dialog = s.window("View/Edit Ideas")
    s.audit(dialog, "View/Edit Ideas dialog")
    lst = s.control(dialog, set(NAMED_ROLES) & CONTAINERS_OF_ITEMS, "Your Ideas:")
    wait_for(lambda: [i.name for i in s.list_items(lst)] == IDEAS, "the ideas in the View/Edit list")
    select_by_keyboard(s, lst, [1], "the View/Edit list")
    delete = s.button(dialog, "Delete")
    deadline = time.monotonic() + 2
    while not enabled(delete) and time.monotonic() < deadline:
        pump()
        time.sleep(0.05)
    if not enabled(delete):
        raise Failure("View/Edit Ideas: an idea selected with the keyboard (arrow keys, Space) "
                      "leaves Delete disabled")
    s.audit(dialog, "View/Edit Ideas dialog, an idea selected")
    s.act(delete, "Delete", dialog)
    answer(s, "Do you really want to delete this item?", "Yes")
    answer(s, "Are you sure?", "Yes")
    wait_for(lambda: [i.name for i in s.list_items(lst)] == IDEAS[:1], "the deleted idea to leave the list")
    s.press(dialog, "OK")
    s.gone(dialog, "the View/Edit Ideas dialog")


def check_report(path, expected_path):
    """Compares the report's bytes with the expected file; its second line
    carries today's date, which is computed here."""
    with open(path, "rb") as f:
        actual = f.read()
    with open(expected_path, "rb") as f:
        template = f.read()
    # The date may turn over while the session runs: either day will do.
    today = datetime.date.today()
    candidates = []
    for day in (today, today - datetime.timedelta(days=1)):
        date = f"{MONTHS[day.month - 1]} {day.day}, {day.year}".encode("cp1252")
        candidates.append(template.replace(b"@DATE@", date))
    if actual in candidates:
        return
    expected = candidates[0]
    print("the report as written:", file=sys.stderr)
    for line in actual.split(b"\r\n"):
        print(f"    {line!r}", file=sys.stderr)
    a_lines = actual.split(b"\r\n")
    e_lines = expected.split(b"\r\n")
    for number, (a, e) in enumerate(zip(a_lines, e_lines), 1):
        if a != e:
            raise Failure(f"report line {number} is {a!r}, expected {e!r}")
    raise Failure(f"the report has {len(a_lines)} lines, expected {len(e_lines)} "
                  f"(or its line ends differ: CR LF expected)")


def exit_program(s, main):
    s.press(main, "Exit")
    answer(s, "Exit Quillane?", "Yes")
    answer(s, "Do you want to save the changes?", "No")
    try:
        s.process.wait(STEP_TIMEOUT)
    except subprocess.TimeoutExpired as error:
        raise Failure("the program did not end after Exit, Yes, No") from error


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", required=True)
    parser.add_argument("--expected", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    started = time.monotonic()
    s = Session(args.program, args.out)
    report = os.path.join(args.out, REPORT_NAME)
    step = "start"
    try:
        s.start()
        main_window = wait_for(
            lambda: next((w for w in s.windows() if w.getRole() == R.ROLE_FRAME and "Quillane" in w.name),
                         None), "the main window", timeout=15)
        s.audit(main_window, "main window")
        steps = [
            ("New Session and Goal", lambda: new_session_and_goal(s, main_window)),
            ("Criteria Set and Rate", lambda: criteria(s, main_window)),
            ("T. Assets and I. Assets", lambda: assets(s, main_window)),
            ("AutoSuggest", lambda: auto_suggest(s, main_window)),
            ("Evaluate", lambda: evaluate(s, main_window)),
            ("every menu", lambda: every_menu(s, main_window)),
            ("Criteria View and Evaluation Results", lambda: views(s, main_window)),
            ("Clustering", lambda: clustering(s, main_window)),
            ("Make/Save Report", lambda: save_report(s, main_window, report)),
            ("the report's bytes", lambda: check_report(report, args.expected)),
            ("View/Edit Ideas and Delete", lambda: view_edit_delete(s, main_window)),
            ("Exit", lambda: exit_program(s, main_window)),
        ]
        for step, run in steps:
            run()
            print(f"ok   {step} ({time.monotonic() - started:.1f} s)")
    except Skipped as why:
        print(f"SKIPPED: {why}", file=sys.stderr)
        return SKIP
    except Failure as why:
        print(f"FAILED at step {step}: {why}", file=sys.stderr)
        dump_windows(s)
        return 1
    finally:
        s.stop()
        log = os.path.join(args.out, "program.log")
        if os.path.exists(log) and os.path.getsize(log):
            with open(log, encoding="utf-8", errors="replace") as f:
                print("program output:\n" + f.read()[-3000:], file=sys.stderr)
    for message in s.notes:
        print(f"note: {message}")
    for message in s.expected_failures:
        print(f"known fault: {message}")
    if s.faults:
        print("FAILED: controls a screen reader cannot name:", file=sys.stderr)
        for fault in s.faults:
            print(f"  {fault}", file=sys.stderr)
        return 1
    if s.checked == 0:
        print("FAILED: the name audit found no control at all", file=sys.stderr)
        return 1
    print(f"names checked: {s.checked} enabled controls in {len(s.audited_windows)} windows and states")
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


def dump_windows(s):
    """What the bus shows at a failure, to see where the session stood."""
    if s.app is None:
        return
    for w in s.windows():
        dump_window(w, "shown")


def dump_window(window, heading):
    try:
        print(f"{heading}: window \"{window.name}\" ({role_text(window)})", file=sys.stderr)
        for a in descendants(window):
            flags = "" if enabled(a) else " disabled"
            actions = ""
            if a.getRole() in NAMED_ROLES:
                try:
                    action = a.queryAction()
                    actions = " actions " + ",".join(action.getName(i) for i in range(action.nActions))
                except NotImplementedError:
                    actions = ""
            print(f"    {role_text(a)} \"{a.name}\"{flags}{actions}", file=sys.stderr)
    except GLib.Error:
        pass


if __name__ == "__main__":
    sys.exit(main())
