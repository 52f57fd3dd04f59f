#!/usr/bin/env python3
"""Runs the Nautilus extension's menu method against a stand-in of the gi modules: one
selected local file gets "Compute hash codes" and "Verify" in the user's language, and
activating an item starts veritome in that action on that file; folders, remote files and
several files get no items.

Usage: nautilus_menu_test.py EXTENSION.py"""
import os
import sys
import types
import unittest


class MenuItem:
    def __init__(self, name, label, icon):
        self.name, self.label, self.icon = name, label, icon
        self.handlers = []

    def connect(self, signal, handler):
        assert signal == "activate"
        self.handlers.append(handler)

    def activate(self):
        for handler in self.handlers:
            handler(self)


class File:
    def __init__(self, path, directory=False, scheme="file"):
        self.path, self.directory, self.scheme = path, directory, scheme

    def is_directory(self):
        return self.directory

    def get_uri_scheme(self):
        return self.scheme

    def get_location(self):
        return types.SimpleNamespace(get_path=lambda: self.path)


def load(path):
    gi = types.ModuleType("gi")
    repository = types.ModuleType("gi.repository")
    repository.GObject = types.SimpleNamespace(GObject=type("GObject", (), {}))
    repository.Nautilus = types.SimpleNamespace(MenuProvider=type("MenuProvider", (), {}),
                                                MenuItem=MenuItem)
    gi.repository = repository
    sys.modules["gi"], sys.modules["gi.repository"] = gi, repository
    module = types.ModuleType("veritome_extension")
    module.__file__ = path
    with open(path, encoding="utf-8") as source:
        exec(compile(source.read(), path, "exec"), module.__dict__)
    return module


class NautilusMenu(unittest.TestCase):
    def setUp(self):
        self.started = []
        extension.subprocess.Popen = lambda args, **kw: self.started.append(args)
        self.saved = {k: os.environ.pop(k, None) for k in ("LANGUAGE", "LC_ALL", "LC_MESSAGES",
                                                             "LANG")}

    def tearDown(self):
        for k, v in self.saved.items():
            if v is not None:
                os.environ[k] = v

    def items(self, *files):
        return extension.VeritomeMenu().get_file_items(list(files))

    def test_one_file_opens_in_each_action(self):
        os.environ["LANG"] = "C.UTF-8"
        items = self.items(File("/home/u/-odd name.iso"))
        self.assertEqual([i.label for i in items], ["Compute hash codes", "Verify"])
        for item in items:
            item.activate()
        self.assertEqual(self.started, [
            ["veritome", "--calculate", "--", "/home/u/-odd name.iso"],
            ["veritome", "--verify", "--", "/home/u/-odd name.iso"]])

    def test_labels_follow_the_language(self):
        cases = [({"LANG": "de_DE.UTF-8"}, "Hash-Codes berechnen"),
                 ({"LANGUAGE": "pt_BR:en", "LANG": "de_DE.UTF-8"}, "Calcular códigos hash"),
                 ({"LC_ALL": "sr_RS.UTF-8@latin"}, "Izračunaj heš kodove"),
                 ({"LANG": "zh_TW.UTF-8"}, "計算雜湊值"),
                 ({"LANG": "xx_YY"}, "Compute hash codes")]
        for env, label in cases:
            for k in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"):
                os.environ.pop(k, None)
            os.environ.update(env)
            self.assertEqual(self.items(File("/f"))[0].label, label, env)

    def test_no_items_for_folders_remote_files_or_several_files(self):
        self.assertEqual(self.items(File("/home", directory=True)), [])
        self.assertEqual(self.items(File(None, scheme="sftp")), [])
        self.assertEqual(self.items(File("/a"), File("/b")), [])
        self.assertEqual(self.items(), [])


if __name__ == "__main__":
    compile(open(sys.argv[1], encoding="utf-8").read(), sys.argv[1], "exec")
    extension = load(sys.argv.pop(1))
    unittest.main()
