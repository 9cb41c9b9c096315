#!/usr/bin/python3
"""Opens the sample pages in headless Chromium and checks what a reader sees.

For every page of manifest.json: the text is decoded as Japanese (the
document's encoding is Shift_JIS and the page title and columns hold the
verse as written), the columns of each table run from right to left in
reading order, and every image of the symbol folder has loaded. Saves a
screenshot of the first page when asked.

usage: check_pages.py FOLDER [SCREENSHOT.png]
"""
import json
import os
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# What the symbol images stand for: these characters are pictures, not text.
SYMBOLS = set("。、「」『』（）＜＞《》［］〔〕～…：ー―│")
BLANK = set(" \t\r\n\u3000＊")

COLUMNS_JS = """
const out = [];
for (const table of document.querySelectorAll('table')) {
  const cells = [...table.querySelectorAll('td')];
  if (cells.length === 0) continue;
  out.push(cells.map(td => {
    const r = td.getBoundingClientRect();
    return {x: r.left + r.width / 2, text: td.textContent};
  }));
}
return out;
"""

IMAGES_JS = """
return [...document.images].map(i => ({src: i.getAttribute('src'), ok: i.complete && i.naturalWidth > 0,
                                        width: i.naturalWidth, height: i.naturalHeight}));
"""


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--disable-dev-shm-usage", "--window-size=900,700", "--user-data-dir=" + profile):
        options.add_argument(arg)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_page_load_timeout(30)
    driver.set_script_timeout(30)
    return driver


def check(driver, folder, page):
    failures = []
    name = page["file"]
    driver.get("file://" + os.path.join(folder, name))
    charset = driver.execute_script("return document.characterSet")
    if charset.lower() not in ("shift_jis", "windows-31j"):
        failures.append(f"{name}: decoded as {charset}, not Shift_JIS")
    expected = page["lines"]
    if page["symbols"]:
        expected = ["".join(c for c in line if c not in SYMBOLS) for line in expected]
    tables = driver.execute_script(COLUMNS_JS)
    if len(tables) != page["tables"]:
        failures.append(f"{name}: {len(tables)} tables with columns, expected {page['tables']}")
    read = []
    for cells in tables:
        xs = [c["x"] for c in cells]
        if xs != sorted(xs):
            failures.append(f"{name}: the columns of a table do not stand left to right in page order")
        # Reading order: from the rightmost column to the left.
        for cell in sorted(cells, key=lambda c: -c["x"]):
            text = "".join(c for c in cell["text"] if c not in BLANK)
            if text:
                read.append(text)
    if read != expected:
        failures.append(f"{name}: columns read right to left give {read[:8]}..., expected {expected[:8]}...")
    images = driver.execute_script(IMAGES_JS)
    if page["symbols"] and not images:
        failures.append(f"{name}: no symbol images")
    for image in images:
        if not image["src"].startswith("kigou/") or not image["ok"]:
            failures.append(f"{name}: image {image['src']} did not load")
        elif image["width"] != 19:
            failures.append(f"{name}: image {image['src']} is {image['width']} wide")
    return failures


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    folder = os.path.abspath(sys.argv[1])
    with open(os.path.join(folder, "manifest.json"), encoding="utf-8") as f:
        pages = json.load(f)
    failures = []
    with tempfile.TemporaryDirectory(prefix="hanaroku-chromium-") as profile:
        driver = browser(profile)
        try:
            for page in pages:
                failures += check(driver, folder, page)
                print(f"checked {page['file']}")
            if len(sys.argv) == 3:
                driver.get("file://" + os.path.join(folder, pages[1]["file"]))
                driver.save_screenshot(sys.argv[2])
                print(f"screenshot: {sys.argv[2]}")
        finally:
            driver.quit()
    for failure in failures:
        print("FAIL " + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
