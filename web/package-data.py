#!/usr/bin/env python3
"""package-data.py -- splits the desktop build's data directory into the site's data packages.

The desktop build keeps one directory per language: its own recordings as files, and links to the files every
language shares. The site gets data-common.data/.js with the files that every language links (the pictures,
the texture, the effects) and one data-LANGUAGE.data/.js per language with the rest, so a page loads the shared
package and its own language's only. Every file lands in the program's working directory, as on the desktop.
Writes languages.js, the list the page chooses from (the desktop build's order: its first is the default).
"""
import argparse
import json
import os
import shutil
import subprocess
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--packager', required=True, help="Emscripten's file_packager.py")
    parser.add_argument('--data', required=True, help="the desktop build's data directory")
    parser.add_argument('--stage', required=True, help='a work directory for the packages\' files')
    parser.add_argument('--site', required=True)
    args = parser.parse_args()

    with open(os.path.join(args.data, 'languages.txt'), encoding='utf-8') as listing:
        languages = listing.read().split()
    if not languages:
        sys.exit('package-data: languages.txt names no language')
    entries = {}
    for language in languages:
        directory = os.path.join(args.data, language)
        entries[language] = {name: os.path.join(directory, name) for name in sorted(os.listdir(directory))}
    shared = set.intersection(*[{name for name, path in files.items() if os.path.islink(path)}
                                for files in entries.values()])

    packages = {'common': {name: entries[languages[0]][name] for name in shared}}
    for language in languages:
        packages[language] = {name: path for name, path in entries[language].items() if name not in shared}

    shutil.rmtree(args.stage, ignore_errors=True)
    sizes = {}
    for package, files in packages.items():
        stage = os.path.join(args.stage, package)
        os.makedirs(stage)
        for name, path in files.items():
            shutil.copyfile(os.path.realpath(path), os.path.join(stage, name))
        target = os.path.join(args.site, f'data-{package}.data')
        # The packager reminds every time that the program needs its file system, which ours has.
        packed = subprocess.run([sys.executable, args.packager, target, '--preload', f'{stage}@/', '--no-node',
                                 f'--js-output={os.path.join(args.site, f"data-{package}.js")}'],
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if packed.returncode != 0:
            sys.exit(f'package-data: the packager failed on {package}: {packed.stderr}')
        sizes[package] = os.path.getsize(target)
    with open(os.path.join(args.site, 'languages.js'), 'w', encoding='utf-8') as out:
        out.write('// The languages whose recordings the site carries; the first is spoken where the browser '
                  'asks for none of them.\n')
        out.write(f'var QuilloraLanguages = {json.dumps(languages)};\n')
    for package, size in sizes.items():
        print(f'data-{package}.data\t{size}')


if __name__ == '__main__':
    main()
