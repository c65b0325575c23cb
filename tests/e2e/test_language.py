# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Velmaro developers
"""The interface language follows the desktop's: English where it asks for English,
Spanish, the texts' own language, where it asks for one Velmaro has no translation of."""

import unittest

from harness import Desktop


class LanguageTest(unittest.TestCase):
    def test_the_settings_window_in_the_desktops_language(self):
        for language, title in (("en_US:en", "Velmaro Settings"), ("de_DE:de", "Configurando Velmaro"),
                                 ("es_ES", "Configurando Velmaro")):
            with self.subTest(language=language), Desktop(wm=True) as d:
                d.write_settings("[General]\nleft=100\ntop=100\n")
                p = d.start_velmaro(env_extra={"LANGUAGE": language})
                strip = d.wait_for_strip(p)
                d.send_keys(strip, "ctrl+g")
                d.wait_for_window(pid=p.pid, name="^%s$" % title)


if __name__ == "__main__":
    unittest.main()
